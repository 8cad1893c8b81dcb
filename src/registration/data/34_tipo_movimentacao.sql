-- Movement (termination) codes. The rescission fine follows the code: 40 %
-- for I1, I4 and L, 20 % for I2, I5 and I6, none for I3. I5 and I6 exist for
-- movements from 11/11/2017 on, I6 only for category 4.
INSERT INTO SFGTBT07_TIPO_MOVIMENTACAO (CO_MOVIMENTACAO, DE_MOVIMENTACAO) VALUES ('I1', 'Rescisão sem justa causa, por iniciativa do empregador, inclusive rescisão antecipada do contrato a termo');
INSERT INTO SFGTBT07_TIPO_MOVIMENTACAO (CO_MOVIMENTACAO, DE_MOVIMENTACAO) VALUES ('I2', 'Rescisão por culpa recíproca ou força maior');
INSERT INTO SFGTBT07_TIPO_MOVIMENTACAO (CO_MOVIMENTACAO, DE_MOVIMENTACAO) VALUES ('I3', 'Rescisão por término do contrato a termo');
INSERT INTO SFGTBT07_TIPO_MOVIMENTACAO (CO_MOVIMENTACAO, DE_MOVIMENTACAO) VALUES ('I4', 'Rescisão sem justa causa do contrato de trabalho do empregado doméstico, por iniciativa do empregador');
INSERT INTO SFGTBT07_TIPO_MOVIMENTACAO (CO_MOVIMENTACAO, DE_MOVIMENTACAO) VALUES ('I5', 'Rescisão por acordo entre as partes (art. 484-A da CLT)');
INSERT INTO SFGTBT07_TIPO_MOVIMENTACAO (CO_MOVIMENTACAO, DE_MOVIMENTACAO) VALUES ('I6', 'Rescisão por acordo entre as partes (art. 484-A da CLT) do contrato por prazo determinado da Lei nº 9.601/98');
INSERT INTO SFGTBT07_TIPO_MOVIMENTACAO (CO_MOVIMENTACAO, DE_MOVIMENTACAO) VALUES ('L', 'Outros motivos de rescisão do contrato de trabalho');
