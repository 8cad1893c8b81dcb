-- Database version. A new database is created at the current version, so no
-- upgrade step runs on it.
INSERT INTO SFGTBT22_PARAMETRO_SISTEMA (CO_VERSAO_SISTEMA, DT_VERSAO_SISTEMA) VALUES ('2.0.5', '2017-11-13');
