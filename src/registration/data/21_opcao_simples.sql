-- SIMPLES options of the employer: the complete list (1 to 6). Option 4
-- exists only for a rural producer person (CEI with FPAS 604). Options 5 and 6
-- mark employers exempted by court order from the social contribution on the
-- FGTS, so no contribution is computed for them.
INSERT INTO SFGTBT02_TIPO_OPCAO_SIMPLES (NU_SIMPLES, DE_SIMPLES) VALUES (1, 'Não Optante');
INSERT INTO SFGTBT02_TIPO_OPCAO_SIMPLES (NU_SIMPLES, DE_SIMPLES) VALUES (2, 'Optante');
INSERT INTO SFGTBT02_TIPO_OPCAO_SIMPLES (NU_SIMPLES, DE_SIMPLES) VALUES (3, 'Optante - faturamento anual superior a R$ 1.200.000,00');
INSERT INTO SFGTBT02_TIPO_OPCAO_SIMPLES (NU_SIMPLES, DE_SIMPLES) VALUES (4, 'Não Optante - Produtor Rural Pessoa Física (CEI e FPAS 604) com faturamento anual superior a R$ 1.200.000,00');
INSERT INTO SFGTBT02_TIPO_OPCAO_SIMPLES (NU_SIMPLES, DE_SIMPLES) VALUES (5, 'Não Optante - Empresa com liminar para não recolhimento da contribuição social da Lei Complementar 110/2001');
INSERT INTO SFGTBT02_TIPO_OPCAO_SIMPLES (NU_SIMPLES, DE_SIMPLES) VALUES (6, 'Optante - faturamento anual superior a R$ 1.200.000,00 - Empresa com liminar para não recolhimento da contribuição social da Lei Complementar 110/2001');
