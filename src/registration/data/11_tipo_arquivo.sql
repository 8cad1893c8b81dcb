-- Kinds of file exchanged with the bank, numbered as the inconsistency log
-- numbers them (1 to 5) and as protocols record them (3, 6, 7 and 9).
-- Kinds 6 and 7 are looked up by their description: keep those texts exact.
INSERT INTO SFGTBT12_TIPO_ARQUIVO (NU_ARQUIVO, DE_ARQUIVO) VALUES (1, 'Folha de Pagamento');
INSERT INTO SFGTBT12_TIPO_ARQUIVO (NU_ARQUIVO, DE_ARQUIVO) VALUES (2, 'Arquivo de Saldo Rescisório');
INSERT INTO SFGTBT12_TIPO_ARQUIVO (NU_ARQUIVO, DE_ARQUIVO) VALUES (3, 'Arquivo Rescisório');
INSERT INTO SFGTBT12_TIPO_ARQUIVO (NU_ARQUIVO, DE_ARQUIVO) VALUES (4, 'Arquivo de Ocorrência Chave de Identificação');
INSERT INTO SFGTBT12_TIPO_ARQUIVO (NU_ARQUIVO, DE_ARQUIVO) VALUES (5, 'Arquivo de Guias Processadas na ORBEL');
INSERT INTO SFGTBT12_TIPO_ARQUIVO (NU_ARQUIVO, DE_ARQUIVO) VALUES (6, 'Solicitação de Reenvio de Arquivo Processado na ORBEL');
INSERT INTO SFGTBT12_TIPO_ARQUIVO (NU_ARQUIVO, DE_ARQUIVO) VALUES (7, 'Solicitação de Saldo Rescisório');
INSERT INTO SFGTBT12_TIPO_ARQUIVO (NU_ARQUIVO, DE_ARQUIVO) VALUES (8, 'Arquivo de Reenvio Rejeitado');
INSERT INTO SFGTBT12_TIPO_ARQUIVO (NU_ARQUIVO, DE_ARQUIVO) VALUES (9, 'Arquivo Rescisório - Nova Transmissão');
