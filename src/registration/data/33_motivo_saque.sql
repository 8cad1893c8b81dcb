-- FGTS withdrawal codes that a termination can carry: 01 to 04 and 07, the
-- last for terminations by agreement (movement codes I5 and I6).
INSERT INTO SFGTBT06_MOTIVO_SAQUE (CO_SAQUE, DE_SAQUE) VALUES ('01', 'Despedida sem justa causa, inclusive a indireta');
INSERT INTO SFGTBT06_MOTIVO_SAQUE (CO_SAQUE, DE_SAQUE) VALUES ('02', 'Rescisão por culpa recíproca ou força maior');
INSERT INTO SFGTBT06_MOTIVO_SAQUE (CO_SAQUE, DE_SAQUE) VALUES ('03', 'Rescisão por extinção total da empresa, fechamento de estabelecimento, filial ou agência, ou falecimento do empregador individual');
INSERT INTO SFGTBT06_MOTIVO_SAQUE (CO_SAQUE, DE_SAQUE) VALUES ('04', 'Extinção normal do contrato de trabalho por prazo determinado');
INSERT INTO SFGTBT06_MOTIVO_SAQUE (CO_SAQUE, DE_SAQUE) VALUES ('07', 'Extinção do contrato de trabalho por acordo entre empregado e empregador (art. 484-A da CLT)');
