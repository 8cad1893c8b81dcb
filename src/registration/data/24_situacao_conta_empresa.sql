-- Situation of the employer account in a balance file (the message code of
-- its employer line, 0 to 3). Only 0 carries the employer account data. 1 and
-- 2 leave the worker lines of the employer out, 3 drops the balances stored
-- for the employer before its worker lines are read. The texts describe these
-- outcomes for the balance occurrence report.
INSERT INTO SFGTBT19_TPO_STCO_CONTA_EMPRESA (NU_SITUACAO_CONTA_EMPRESA, DE_SITUACAO_CONTA_EMPRESA) VALUES (0, 'Empresa localizada no FGTS');
INSERT INTO SFGTBT19_TPO_STCO_CONTA_EMPRESA (NU_SITUACAO_CONTA_EMPRESA, DE_SITUACAO_CONTA_EMPRESA) VALUES (1, 'Empresa não localizada no FGTS');
INSERT INTO SFGTBT19_TPO_STCO_CONTA_EMPRESA (NU_SITUACAO_CONTA_EMPRESA, DE_SITUACAO_CONTA_EMPRESA) VALUES (2, 'Empresa com pendência cadastral no FGTS');
INSERT INTO SFGTBT19_TPO_STCO_CONTA_EMPRESA (NU_SITUACAO_CONTA_EMPRESA, DE_SITUACAO_CONTA_EMPRESA) VALUES (3, 'Empresa sem saldo disponível para os trabalhadores solicitados');
