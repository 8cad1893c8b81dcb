-- Business tables (SFGTBG01..21): what the user registers, imports, computes
-- and receives from the bank.
--
-- Conventions kept throughout:
--   * Column order follows the table descriptions the objects are written
--     against: some of them read every column in table order.
--   * The five-column link key is always NU_TIPO_INSO_EMPRA, NU_INSCRICAO,
--     NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO, in that order.
--   * Inscriptions, PIS, CPF and bank account numbers are BIGINT, money is
--     NUMERIC(15,2), NUMERIC(18,2) for totals over many links.
--   * Text widths are those of the widest file field or screen field that
--     feeds the column.
--   * Only primary keys and the cascades the code relies on are declared.
--     Registration rows (employers, workers, links and their dependants) are
--     deleted by the code in dependency order, so they carry no foreign keys.
--   * None of these tables has BLOB or computed columns: backup writes every
--     column as a literal and restore replays the INSERTs as they are.
--   * Key columns beyond the natural key (the worker account of a name
--     change, the account of a balance line, the row number of a sent
--     employer) default to the value a row without them means, so that
--     backups written without those columns still restore.

-- The open movement: at most one row (the code inserts it when the table is
-- empty and updates it otherwise, deleting it closes the movement). No column
-- identifies it, so no key is declared.
CREATE TABLE SFGTBG01_ABERTURA_RECOLHIMENTO (
    NU_TIPO_INSO_EMPRA          SMALLINT,
    NU_INSCRICAO                BIGINT,
    DT_PAGAMENTO                DATE
);

-- Employers and the responsible party, told apart by IC_ESTADO_EMPRESA
-- (E employer, R responsible party only, A both).
CREATE TABLE SFGTBG02_EMPRESA (
    NU_TIPO_INSO_EMPRA          SMALLINT NOT NULL,
    NU_INSCRICAO                BIGINT NOT NULL,
    NU_SIMPLES                  SMALLINT,
    SG_UF                       VARCHAR(2),
    NU_IBGE                     INTEGER,
    NU_INSS                     INTEGER,
    NO_RAZAO_SOCIAL             VARCHAR(40),
    DE_LOGRADOURO               VARCHAR(50),
    NO_BAIRRO                   VARCHAR(20),
    NU_CEP                      INTEGER,
    NO_LOCALIDADE               VARCHAR(20),
    NU_DDD                      INTEGER,
    NU_TELEFONE                 INTEGER,
    NO_CONTATO                  VARCHAR(20),
    CO_ENDERECO_VIRTUAL_CONTATO VARCHAR(60),
    IC_ESTADO_EMPRESA           VARCHAR(1),
    CONSTRAINT PK_SFGTBG02 PRIMARY KEY (NU_TIPO_INSO_EMPRA, NU_INSCRICAO)
);

CREATE TABLE SFGTBG03_EMPREGADO (
    NU_PIS                      BIGINT NOT NULL,
    NU_GRAU_INSTRUCAO           SMALLINT,
    NO_EMPREGADO                VARCHAR(70),
    NU_CTPS                     VARCHAR(7),
    NU_SERIE_CTPS               VARCHAR(5),
    IC_SEXO                     SMALLINT,
    DT_NASCIMENTO               DATE,
    NU_INSCRICAO_CPF            BIGINT,
    CONSTRAINT PK_SFGTBG03 PRIMARY KEY (NU_PIS)
);

-- Employment links. A new link is consistent until a validation says
-- otherwise, and starts outside any movement.
CREATE TABLE SFGTBG04_VINCULO_EMPREGATICIO (
    NU_TIPO_INSO_EMPRA          SMALLINT NOT NULL,
    NU_INSCRICAO                BIGINT NOT NULL,
    NU_PIS                      BIGINT NOT NULL,
    NU_CATEGORIA                SMALLINT NOT NULL,
    DT_ADMISSAO_VINCULO         DATE NOT NULL,
    CO_MOVIMENTACAO             VARCHAR(2),
    CO_CBO                      VARCHAR(6),
    CO_SAQUE                    VARCHAR(3),
    DT_OPCAO                    DATE,
    NU_TIPO_INSO_TMDR           SMALLINT,
    NU_INSCRICAO_TMDR           BIGINT,
    IC_AVISO_PREVIO             SMALLINT,
    DT_INICIO_AVISO_PRVO        DATE,
    IC_REPOSICAO_VAGAS          VARCHAR(1),
    QT_HORAS_TRBS_SMNA          INTEGER,
    IC_ESTADO_MOVIMENTO         SMALLINT DEFAULT 0,
    DT_MOVIMENTACAO_VINCULO     DATE,
    NU_BANCO_CONTA              INTEGER,
    NU_AGENCIA_CONTA            VARCHAR(4),
    NU_CONTA_BANCARIA           VARCHAR(13),
    IC_VALIDACAO_VINCULO        VARCHAR(1) DEFAULT 'N',
    CONSTRAINT PK_SFGTBG04 PRIMARY KEY (NU_TIPO_INSO_EMPRA, NU_INSCRICAO,
        NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO)
);

-- Registration changes reported by the bank. One link may have a name change
-- per bank account of the worker, so the worker account is part of the key.
CREATE TABLE SFGTBG05_ALTERACAO_CADASTRAL (
    NU_TIPO_INSO_EMPRA          SMALLINT NOT NULL,
    NU_INSCRICAO                BIGINT NOT NULL,
    NU_PIS                      BIGINT NOT NULL,
    NU_CATEGORIA                SMALLINT NOT NULL,
    DT_ADMISSAO_VINCULO         DATE NOT NULL,
    NU_TIPO_ALTERACAO           INTEGER NOT NULL,
    DE_CONTEUDO_ANTERIOR        VARCHAR(70),
    IC_CONFIRMACAO              VARCHAR(1),
    NU_EMPRESA_ORBEL_ALT_CADASTRAL BIGINT,
    NU_EMPREGADO_ORBEL_ALT_CDSTL BIGINT DEFAULT 0 NOT NULL,
    CONSTRAINT PK_SFGTBG05 PRIMARY KEY (NU_TIPO_INSO_EMPRA, NU_INSCRICAO,
        NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_TIPO_ALTERACAO,
        NU_EMPREGADO_ORBEL_ALT_CDSTL)
);

-- Termination data (informed values) and the computed parcels. The computed
-- columns stay NULL until a calculation writes them.
CREATE TABLE SFGTBG06_INFORMACAO_RESCISAO (
    NU_TIPO_INSO_EMPRA          SMALLINT NOT NULL,
    NU_INSCRICAO                BIGINT NOT NULL,
    NU_PIS                      BIGINT NOT NULL,
    NU_CATEGORIA                SMALLINT NOT NULL,
    DT_ADMISSAO_VINCULO         DATE NOT NULL,
    DT_DISSIDIO                 DATE,
    VR_DISSIDIO                 NUMERIC(15,2),
    VR_REMUNERACAO_ANTERIOR_RSCSO NUMERIC(15,2),
    VR_REMUNERACAO_RESCISAO     NUMERIC(15,2),
    VR_AVISO_PREVIO             NUMERIC(15,2),
    IC_TIPO_PNSO_ALMNA          VARCHAR(1),
    VR_PENSAO_ALMNA             NUMERIC(15,2),
    IC_ORIGEM_SALDO_RESCISORIO  VARCHAR(1),
    VR_SALDO_RESCISORIO         NUMERIC(15,2),
    VR_JAM_SALDO_RESCISORIO     NUMERIC(15,2),
    VR_DEPOSITO_CMPLO_SALDO     NUMERIC(15,2),
    DT_DEVIDA_ANTERIOR_RESCISAO DATE,
    VR_DEPOSITO_ANTERIOR_RESCISAO NUMERIC(15,2),
    VR_JAM_ANTERIOR_RESCISAO    NUMERIC(15,2),
    VR_MULTA_ANTERIOR_RESCISAO  NUMERIC(15,2),
    VR_CNTRO_ANTERIOR_RESCISAO  NUMERIC(15,2),
    VR_MULTA_CNTRO_ANTERIOR_RSCSO NUMERIC(15,2),
    DT_DEVIDA_RESCISAO          DATE,
    VR_DEPOSITO_RESCISAO        NUMERIC(15,2),
    VR_JAM_RESCISAO             NUMERIC(15,2),
    VR_MULTA_RESCISAO           NUMERIC(15,2),
    VR_CNTRO_RESCISAO           NUMERIC(15,2),
    VR_MULTA_CNTRO_RESCISAO     NUMERIC(15,2),
    DT_DEVIDA_AVISO_PREVIO      DATE,
    VR_DEPOSITO_AVISO_PREVIO    NUMERIC(15,2),
    VR_JAM_AVISO_PREVIO         NUMERIC(15,2),
    VR_MULTA_AVISO_PREVIO       NUMERIC(15,2),
    VR_CNTRO_AVISO_PREVIO       NUMERIC(15,2),
    VR_MULTA_CNTRO_AVISO_PREVIO NUMERIC(15,2),
    DT_DEVIDA_MULTA_RESCISORIA  DATE,
    VR_DEPOSITO_MULTA_RESCISORIA NUMERIC(15,2),
    VR_JAM_MULTA_RESCISORIA     NUMERIC(15,2),
    VR_MULTA_MULTA_RESCISORIA   NUMERIC(15,2),
    VR_CNTRO_MULTA_RESCISORIA   NUMERIC(15,2),
    VR_MULTA_CNTRO_MULTA_RESCISORIA NUMERIC(15,2),
    CONSTRAINT PK_SFGTBG06 PRIMARY KEY (NU_TIPO_INSO_EMPRA, NU_INSCRICAO,
        NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO)
);

-- Balance-complement lines: one per complement kind (1..3) and competence.
CREATE TABLE SFGTBG07_COMPLEMENTO_SALDO (
    NU_TIPO_INSO_EMPRA          SMALLINT NOT NULL,
    NU_INSCRICAO                BIGINT NOT NULL,
    NU_PIS                      BIGINT NOT NULL,
    NU_CATEGORIA                SMALLINT NOT NULL,
    DT_ADMISSAO_VINCULO         DATE NOT NULL,
    NU_COMPLEMENTO              SMALLINT NOT NULL,
    AA_COMPETENCIA              SMALLINT NOT NULL,
    MM_COMPETENCIA              SMALLINT NOT NULL,
    VR_REMUNERACAO              NUMERIC(15,2),
    VR_DEPOSITO                 NUMERIC(15,2),
    CONSTRAINT PK_SFGTBG07 PRIMARY KEY (NU_TIPO_INSO_EMPRA, NU_INSCRICAO,
        NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_COMPLEMENTO,
        AA_COMPETENCIA, MM_COMPETENCIA)
);

-- Totalling guides, keyed by the 48-digit digitable line of the barcode.
CREATE TABLE SFGTBG08_GUIA_TOTALIZADORA (
    CO_BARRAS                   VARCHAR(48) NOT NULL,
    NU_TIPO_INSCRICAO_GUIA      SMALLINT,
    NU_INSCRICAO_GUIA           BIGINT,
    NO_RAZAO_SOCIAL             VARCHAR(40),
    DE_LOGRADOURO               VARCHAR(50),
    NU_DDD                      INTEGER,
    NU_TELEFONE                 INTEGER,
    NU_CEP                      INTEGER,
    NO_BAIRRO                   VARCHAR(20),
    NO_LOCALIDADE               VARCHAR(20),
    SG_UF_GUIA_TOTALIZADORA     VARCHAR(2),
    NU_FPAS_GUIA                INTEGER,
    NU_SIMPLES_GUIA             SMALLINT,
    NU_CNAE_GUIA                INTEGER,
    NU_BANCO                    INTEGER,
    NU_AGENCIA                  INTEGER,
    DT_RECOLHIMENTO             DATE,
    DT_QUITACAO                 DATE,
    DT_PROCESSAMENTO            DATE,
    CONSTRAINT PK_SFGTBG08 PRIMARY KEY (CO_BARRAS)
);

-- Worker lines of a guide. The file generator stores lines under a
-- placeholder code and then changes only the code of the guide: the cascade
-- carries the lines along.
CREATE TABLE SFGTBG09_GUIA_INDIVIDUAL (
    CO_BARRAS                   VARCHAR(48) NOT NULL,
    NU_PIS_GUIA                 BIGINT NOT NULL,
    DT_ADMISSAO_GUIA            DATE NOT NULL,
    NU_CATEGORIA_GUIA           SMALLINT NOT NULL,
    NO_EMPREGADO                VARCHAR(70),
    DT_OPCAO                    DATE,
    DT_MOVIMENTACAO             DATE,
    CO_MOVIMENTACAO_GUIA        VARCHAR(2),
    IC_AVISO_PREVIO             SMALLINT,
    DT_DISSIDIO                 DATE,
    DT_NASCIMENTO               DATE,
    NU_CTPS                     VARCHAR(7),
    NU_SERIE_CTPS               VARCHAR(5),
    NU_TIPO_INSO_TMDR_GUIA      SMALLINT,
    NU_INSCRICAO_TMDR_GUIA      BIGINT,
    VR_REMUNERACAO_ANTERIOR_RSCSO NUMERIC(15,2),
    VR_REMUNERACAO_RESCISAO     NUMERIC(15,2),
    VR_AVISO_PREVIO             NUMERIC(15,2),
    VR_MULTA_RESCISORIA         NUMERIC(15,2),
    VR_DEPOSITO_ANTERIOR_RESCISAO NUMERIC(15,2),
    VR_JAM_ANTERIOR_RESCISAO    NUMERIC(15,2),
    VR_MULTA_ANTERIOR_RESCISAO  NUMERIC(15,2),
    VR_CNTRO_ANTERIOR_RESCISAO  NUMERIC(15,2),
    VR_MULTA_CNTRO_ANTERIOR_RSCSO NUMERIC(15,2),
    VR_DEPOSITO_RESCISAO        NUMERIC(15,2),
    VR_JAM_RESCISAO             NUMERIC(15,2),
    VR_MULTA_RESCISAO           NUMERIC(15,2),
    VR_CNTRO_RESCISAO           NUMERIC(15,2),
    VR_MULTA_CNTRO_RESCISAO     NUMERIC(15,2),
    VR_DEPOSITO_AVISO_PREVIO    NUMERIC(15,2),
    VR_JAM_AVISO_PREVIO         NUMERIC(15,2),
    VR_MULTA_AVISO_PREVIO       NUMERIC(15,2),
    VR_CNTRO_AVISO_PREVIO       NUMERIC(15,2),
    VR_MULTA_CNTRO_AVISO_PREVIO NUMERIC(15,2),
    VR_DEPOSITO_MULTA_RESCISORIA NUMERIC(15,2),
    VR_JAM_MULTA_RESCISORIA     NUMERIC(15,2),
    VR_MULTA_MULTA_RESCISORIA   NUMERIC(15,2),
    VR_CNTRO_MULTA_RESCISORIA   NUMERIC(15,2),
    VR_MULTA_CNTRO_MULTA_RESCISORIA NUMERIC(15,2),
    CONSTRAINT PK_SFGTBG09 PRIMARY KEY (CO_BARRAS, NU_PIS_GUIA,
        DT_ADMISSAO_GUIA, NU_CATEGORIA_GUIA),
    CONSTRAINT FK_SFGTBG09_SFGTBG08 FOREIGN KEY (CO_BARRAS)
        REFERENCES SFGTBG08_GUIA_TOTALIZADORA (CO_BARRAS)
        ON UPDATE CASCADE ON DELETE CASCADE
);

-- FGTS account lines reported by the bank for a link, one per worker
-- account. A line without an account (situation 3) carries account number 0.
CREATE TABLE SFGTBG10_CONTA_EMPREGADO_FGTS (
    NU_TIPO_INSO_EMPRA          SMALLINT NOT NULL,
    NU_INSCRICAO                BIGINT NOT NULL,
    NU_PIS                      BIGINT NOT NULL,
    NU_CATEGORIA                SMALLINT NOT NULL,
    DT_ADMISSAO_VINCULO         DATE NOT NULL,
    NO_EMPREGADO                VARCHAR(70),
    NU_EMPREGADO_ORBEL          BIGINT DEFAULT 0 NOT NULL,
    NU_SITUACAO_CONTA_EMPREGADO SMALLINT,
    NU_SITUACAO_PIS             SMALLINT,
    AA_MAIOR_COMPETENCIA        SMALLINT,
    MM_MAIOR_COMPETENCIA        SMALLINT,
    VR_SALDO_RESCISORIO         NUMERIC(15,2),
    DT_GRAVACAO_ARQUIVO         DATE,
    NU_SITUACAO_CONTA_EMPRESA   SMALLINT,
    NU_EMPRESA_ORBEL            BIGINT,
    DT_CREDITO_JUROS            DATE,
    CONSTRAINT PK_SFGTBG10 PRIMARY KEY (NU_TIPO_INSO_EMPRA, NU_INSCRICAO,
        NU_PIS, NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_EMPREGADO_ORBEL)
);

-- Files sent to the bank. A closing writes everything under a provisional
-- key and renames it once the bank answers. The children follow through
-- ON UPDATE CASCADE, and deleting a protocol takes its children with it.
-- The file identifier is text: the provisional row holds XX.
CREATE TABLE SFGTBG13_PROTOCOLO (
    CO_PROTOCOLO                VARCHAR(40) NOT NULL,
    DT_ENVIO_PROTOCOLO          TIMESTAMP NOT NULL,
    NU_IDENTIFICADOR_ARQUIVO    VARCHAR(30),
    DT_RETORNO_PROTOCOLO        TIMESTAMP,
    IC_ARQUIVO_VALIDO           VARCHAR(1),
    CO_CERTIFICADO_DIGITAL      VARCHAR(100),
    NU_ARQUIVO                  SMALLINT,
    CONSTRAINT PK_SFGTBG13 PRIMARY KEY (CO_PROTOCOLO, DT_ENVIO_PROTOCOLO)
);

-- Lines of a sent file, as sent.
CREATE TABLE SFGTBG14_OCORRENCIA_GUIA (
    CO_PROTOCOLO                VARCHAR(40) NOT NULL,
    DT_ENVIO_PROTOCOLO          TIMESTAMP NOT NULL,
    NU_LINHA                    INTEGER NOT NULL,
    DE_LINHA_ARQUIVO            VARCHAR(512),
    CONSTRAINT PK_SFGTBG14 PRIMARY KEY (CO_PROTOCOLO, DT_ENVIO_PROTOCOLO,
        NU_LINHA),
    CONSTRAINT FK_SFGTBG14_SFGTBG13 FOREIGN KEY (CO_PROTOCOLO,
        DT_ENVIO_PROTOCOLO)
        REFERENCES SFGTBG13_PROTOCOLO (CO_PROTOCOLO, DT_ENVIO_PROTOCOLO)
        ON UPDATE CASCADE ON DELETE CASCADE
);

-- Employers of a sent file. NU_ENVIO_EMPRESA is 1 for rescission files, a
-- re-send request numbers its guides 1, 2, ... and may name the same employer
-- twice, so the number is part of the key.
CREATE TABLE SFGTBG15_ENVIO_EMPRESA (
    CO_PROTOCOLO                VARCHAR(40) NOT NULL,
    DT_ENVIO_PROTOCOLO          TIMESTAMP NOT NULL,
    NU_TIPO_INSCRICAO_ENVIO     SMALLINT NOT NULL,
    NU_INSCRICAO_ENVIO          BIGINT NOT NULL,
    NU_ENVIO_EMPRESA            SMALLINT DEFAULT 1 NOT NULL,
    NO_RAZAO_SOCIAL             VARCHAR(40),
    VR_TOTAL_RECOLHIDO          NUMERIC(18,2),
    CO_BARRAS_ENVIO_EMPRESA     VARCHAR(48),
    DT_RECOLHIMENTO_ENVIO_EMPRESA DATE,
    DT_PROCESSAMENTO            DATE,
    CONSTRAINT PK_SFGTBG15 PRIMARY KEY (CO_PROTOCOLO, DT_ENVIO_PROTOCOLO,
        NU_TIPO_INSCRICAO_ENVIO, NU_INSCRICAO_ENVIO, NU_ENVIO_EMPRESA),
    CONSTRAINT FK_SFGTBG15_SFGTBG13 FOREIGN KEY (CO_PROTOCOLO,
        DT_ENVIO_PROTOCOLO)
        REFERENCES SFGTBG13_PROTOCOLO (CO_PROTOCOLO, DT_ENVIO_PROTOCOLO)
        ON UPDATE CASCADE ON DELETE CASCADE
);

-- Worker lines of a sent file.
CREATE TABLE SFGTBG16_ENVIO_EMPREGADO (
    CO_PROTOCOLO                VARCHAR(40) NOT NULL,
    DT_ENVIO_PROTOCOLO          TIMESTAMP NOT NULL,
    NU_TIPO_INSCRICAO_ENVIO     SMALLINT NOT NULL,
    NU_INSCRICAO_ENVIO          BIGINT NOT NULL,
    NU_PIS_ENVIO                BIGINT NOT NULL,
    NU_CATEGORIA_ENVIO          SMALLINT NOT NULL,
    DT_ADMISSAO_ENVIO           DATE NOT NULL,
    NU_ENVIO_EMPRESA            SMALLINT,
    NO_EMPREGADO                VARCHAR(70),
    VR_TOTAL_RECOLHIDO          NUMERIC(18,2),
    CO_MOVIMENTACAO             VARCHAR(2),
    DT_MOVIMENTACAO             DATE,
    CONSTRAINT PK_SFGTBG16 PRIMARY KEY (CO_PROTOCOLO, DT_ENVIO_PROTOCOLO,
        NU_TIPO_INSCRICAO_ENVIO, NU_INSCRICAO_ENVIO, NU_PIS_ENVIO,
        NU_CATEGORIA_ENVIO, DT_ADMISSAO_ENVIO),
    CONSTRAINT FK_SFGTBG16_SFGTBG13 FOREIGN KEY (CO_PROTOCOLO,
        DT_ENVIO_PROTOCOLO)
        REFERENCES SFGTBG13_PROTOCOLO (CO_PROTOCOLO, DT_ENVIO_PROTOCOLO)
        ON UPDATE CASCADE ON DELETE CASCADE
);

-- Inconsistency log. The party columns hold the raw text of the offending
-- line (which may not even be numeric), so they are VARCHAR, sized with room
-- for formatted inscriptions. The content is always padded to 70 characters.
CREATE TABLE SFGTBG18_INCONSISTENCIA_ARQUIVO (
    NU_INCONSISTENCIA           INTEGER NOT NULL,
    NU_MENSAGEM                 INTEGER,
    NU_ARQUIVO                  SMALLINT,
    CO_REGISTRO                 VARCHAR(2),
    NU_LINHA_ERRO               INTEGER,
    DE_CONTEUDO_CAMPO           VARCHAR(70),
    NU_TIPO_INSCRICAO_RSPNL_INCNA VARCHAR(5),
    NU_INSCRICAO_RSPNL_INCNA    VARCHAR(20),
    NO_RAZAO_SOCIAL_RSPNL_INCNA VARCHAR(70),
    NU_TIPO_INSCRICAO_EMPRESA   VARCHAR(5),
    NU_INSCRICAO_EMPRESA        VARCHAR(20),
    NO_RAZAO_SOCIAL             VARCHAR(70),
    CO_PIS_INCONSISTENCIA       VARCHAR(20),
    DT_ADMISSAO_INCONSISTENCIA  DATE,
    CO_CATEGORIA_INCONSISTENCIA VARCHAR(5),
    NO_EMPREGADO                VARCHAR(70),
    CONSTRAINT PK_SFGTBG18 PRIMARY KEY (NU_INCONSISTENCIA)
);

CREATE GENERATOR GEN_SFGTBG18_ARQUIVO_ID;

-- Identification-key occurrence files. The file identifier is written and
-- compared as text (the identification in a file header may replace an
-- earlier copy), so it is VARCHAR in all three tables.
CREATE TABLE SFGTBG19_RESPONSAVEL_HMLGO (
    NU_IDENTIFICADOR_ARQUIVO    VARCHAR(20) NOT NULL,
    NU_TIPO_INSCRICAO_RESPONSA  SMALLINT,
    NU_INSCRICAO_RESPONSAVEL    BIGINT,
    NO_RAZAO_SOCIAL             VARCHAR(40),
    TS_RETORNO_ARQUIVO          TIMESTAMP,
    IC_ESTADO_HMLGO             VARCHAR(1),
    CO_MENSAGEM                 VARCHAR(4),
    DE_MENSAGEM                 VARCHAR(350),
    CONSTRAINT PK_SFGTBG19 PRIMARY KEY (NU_IDENTIFICADOR_ARQUIVO)
);

CREATE GENERATOR S_SFGTBG19_RESPONSAVEL_HMLGO;

-- The constraint names below are fixed: the schema upgrade drops and
-- re-creates them by name.
CREATE TABLE SFGTBG20_EMPRESA_HMLGO (
    NU_IDENTIFICADOR_ARQUIVO    VARCHAR(20) NOT NULL,
    NU_LINHA_ARQUIVO_EMPRESA    NUMERIC(5, 0) NOT NULL,
    NU_IDENTIFICADOR_GUIA       BIGINT,
    NU_ESTABELECIMENTO          BIGINT,
    NU_TIPO_INSCRICAO_EMPRESA   SMALLINT,
    NU_INSCRICAO_EMPRESA        BIGINT,
    NO_RAZAO_SOCIAL             VARCHAR(40),
    CO_MENSAGEM                 VARCHAR(4),
    DE_MENSAGEM                 VARCHAR(350),
    CONSTRAINT "PK_SFGTBG20_EMPRESA_HMLGO" PRIMARY KEY
        (NU_IDENTIFICADOR_ARQUIVO, NU_LINHA_ARQUIVO_EMPRESA),
    CONSTRAINT "FK_SFGTBG20_FK_SFGTBG_SFGTBG19" FOREIGN KEY
        (NU_IDENTIFICADOR_ARQUIVO)
        REFERENCES SFGTBG19_RESPONSAVEL_HMLGO (NU_IDENTIFICADOR_ARQUIVO)
        ON UPDATE CASCADE ON DELETE CASCADE
);

CREATE TABLE SFGTBG21_EMPREGADO_HMLGO (
    NU_IDENTIFICADOR_ARQUIVO    VARCHAR(20) NOT NULL,
    NU_IDENTIFICADOR_GUIA       BIGINT,
    NU_ESTABELECIMENTO          BIGINT,
    NU_LINHA_ARQUIVO_EMPRESA    NUMERIC(5, 0) NOT NULL,
    NU_PIS                      BIGINT,
    DT_ADMISSAO                 DATE,
    NU_CATEGORIA                SMALLINT,
    NU_EMPREGADO                BIGINT,
    NU_LINHA_ARQUIVO_EMPREGADO  NUMERIC(5, 0) NOT NULL,
    NO_EMPREGADO                VARCHAR(70),
    CO_SAQUE                    VARCHAR(3),
    DT_VALIDADE_GUIA            DATE,
    CO_HOMOLOGACAO_ORBEL        CHAR(23),
    SG_BASE_DADOS               VARCHAR(2),
    CO_MENSAGEM                 VARCHAR(4),
    DE_MENSAGEM                 VARCHAR(350),
    CO_MOVIMENTACAO             VARCHAR(2),
    DT_MOVIMENTACAO             DATE,
    CONSTRAINT "PK_SFGTBG21_EMPREGADO_HMLGO" PRIMARY KEY
        (NU_IDENTIFICADOR_ARQUIVO, NU_LINHA_ARQUIVO_EMPRESA,
         NU_LINHA_ARQUIVO_EMPREGADO),
    CONSTRAINT "FK_SFGTBG21_FK_SFGTBG_SFGTBG20" FOREIGN KEY
        (NU_IDENTIFICADOR_ARQUIVO, NU_LINHA_ARQUIVO_EMPRESA)
        REFERENCES SFGTBG20_EMPRESA_HMLGO (NU_IDENTIFICADOR_ARQUIVO,
            NU_LINHA_ARQUIVO_EMPRESA)
        ON UPDATE CASCADE ON DELETE CASCADE
);
