-- Worker categories that can be terminated through the rescission guide:
-- 1, 3, 4, 5, 6 and 7. Category 2 (casual worker without an employment link)
-- is not shipped, so a link of that category fails the category lookup.
-- IC_CTPS = N for the non-employee director (5), who has no work card.
INSERT INTO SFGTBT04_CATEGORIA_EMPREGADO (NU_CATEGORIA, DE_CATEGORIA, IC_CTPS) VALUES (1, 'Empregado', 'S');
INSERT INTO SFGTBT04_CATEGORIA_EMPREGADO (NU_CATEGORIA, DE_CATEGORIA, IC_CTPS) VALUES (3, 'Trabalhador não vinculado ao RGPS, mas com direito ao FGTS', 'S');
INSERT INTO SFGTBT04_CATEGORIA_EMPREGADO (NU_CATEGORIA, DE_CATEGORIA, IC_CTPS) VALUES (4, 'Empregado sob contrato de trabalho por prazo determinado (Lei nº 9.601/98)', 'S');
INSERT INTO SFGTBT04_CATEGORIA_EMPREGADO (NU_CATEGORIA, DE_CATEGORIA, IC_CTPS) VALUES (5, 'Contribuinte individual - Diretor não empregado com FGTS (Lei nº 8.036/90, art. 16)', 'N');
INSERT INTO SFGTBT04_CATEGORIA_EMPREGADO (NU_CATEGORIA, DE_CATEGORIA, IC_CTPS) VALUES (6, 'Empregado doméstico', 'S');
INSERT INTO SFGTBT04_CATEGORIA_EMPREGADO (NU_CATEGORIA, DE_CATEGORIA, IC_CTPS) VALUES (7, 'Menor aprendiz (Lei nº 10.097/2000)', 'S');
