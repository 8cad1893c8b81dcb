-- CNAE subclasses (7-digit codes) accepted as the economic activity of an
-- employer. This is a selection of 309 subclasses of the current CNAE
-- classification, not the whole table (about 1300 subclasses): the usual
-- activities of every section, including 9700-5/00 (domestic services) that
-- domestic employers declare. A code missing here is refused by the employer
-- validation, so add subclasses as users need them. Each row is preceded by
-- the subclass in its printed form and a short description.

-- Section A Agricultura, pecuária, produção florestal, pesca e aquicultura
-- 0111-3/01 Cultivo de arroz
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (111301);
-- 0111-3/02 Cultivo de milho
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (111302);
-- 0111-3/03 Cultivo de trigo
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (111303);
-- 0111-3/99 Cultivo de outros cereais não especificados anteriormente
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (111399);
-- 0113-0/00 Cultivo de cana-de-açúcar
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (113000);
-- 0115-6/00 Cultivo de soja
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (115600);
-- 0121-1/01 Horticultura, exceto morango
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (121101);
-- 0131-8/00 Cultivo de laranja
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (131800);
-- 0132-6/00 Cultivo de uva
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (132600);
-- 0134-2/00 Cultivo de café
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (134200);
-- 0135-1/00 Cultivo de cacau
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (135100);
-- 0151-2/01 Criação de bovinos para corte
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (151201);
-- 0151-2/02 Criação de bovinos para leite
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (151202);
-- 0151-2/03 Criação de bovinos, exceto para corte e leite
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (151203);
-- 0155-5/01 Criação de frangos para corte
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (155501);
-- 0155-5/05 Produção de ovos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (155505);
-- 0161-0/01 Serviço de pulverização e controle de pragas agrícolas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (161001);
-- 0161-0/03 Serviço de preparação de terreno, cultivo e colheita
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (161003);
-- 0161-0/99 Atividades de apoio à agricultura não especificadas anteriormente
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (161099);
-- 0210-1/01 Cultivo de eucalipto
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (210101);
-- 0311-6/01 Pesca de peixes em água salgada
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (311601);

-- Section B Indústrias extrativas
-- 0500-3/01 Extração de carvão mineral
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (500301);
-- 0600-0/01 Extração de petróleo e gás natural
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (600001);
-- 0810-0/01 Extração de ardósia e beneficiamento associado
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (810001);
-- 0810-0/06 Extração de areia, cascalho ou pedregulho e beneficiamento associado
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (810006);

-- Section C Indústrias de transformação
-- 1011-2/01 Frigorífico - abate de bovinos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1011201);
-- 1012-1/01 Abate de aves
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1012101);
-- 1013-9/01 Fabricação de produtos de carne
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1013901);
-- 1031-7/00 Fabricação de conservas de frutas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1031700);
-- 1051-1/00 Preparação do leite
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1051100);
-- 1052-0/00 Fabricação de laticínios
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1052000);
-- 1061-9/01 Beneficiamento de arroz
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1061901);
-- 1064-3/00 Fabricação de farinha de milho e derivados, exceto óleos de milho
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1064300);
-- 1071-6/00 Fabricação de açúcar em bruto
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1071600);
-- 1072-4/01 Fabricação de açúcar de cana refinado
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1072401);
-- 1081-3/02 Torrefação e moagem de café
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1081302);
-- 1091-1/01 Fabricação de produtos de panificação industrial
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1091101);
-- 1091-1/02 Fabricação de produtos de padaria e confeitaria com predominância de produção própria
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1091102);
-- 1092-9/00 Fabricação de biscoitos e bolachas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1092900);
-- 1093-7/01 Fabricação de produtos derivados do cacau e de chocolates
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1093701);
-- 1094-5/00 Fabricação de massas alimentícias
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1094500);
-- 1099-6/99 Fabricação de outros produtos alimentícios não especificados anteriormente
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1099699);
-- 1111-9/01 Fabricação de aguardente de cana-de-açúcar
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1111901);
-- 1113-5/02 Fabricação de cervejas e chopes
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1113502);
-- 1121-6/00 Fabricação de águas envasadas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1121600);
-- 1122-4/01 Fabricação de refrigerantes
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1122401);
-- 1220-4/01 Fabricação de cigarros
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1220401);
-- 1311-1/00 Preparação e fiação de fibras de algodão
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1311100);
-- 1321-9/00 Tecelagem de fios de algodão
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1321900);
-- 1340-5/01 Estamparia e texturização em fios, tecidos, artefatos têxteis e peças do vestuário
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1340501);
-- 1412-6/01 Confecção de peças do vestuário, exceto roupas íntimas e as confeccionadas sob medida
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1412601);
-- 1412-6/02 Confecção, sob medida, de peças do vestuário, exceto roupas íntimas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1412602);
-- 1412-6/03 Facção de peças do vestuário, exceto roupas íntimas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1412603);
-- 1413-4/01 Confecção de roupas profissionais, exceto sob medida
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1413401);
-- 1531-9/01 Fabricação de calçados de couro
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1531901);
-- 1621-8/00 Fabricação de madeira laminada e de chapas de madeira compensada, prensada e aglomerada
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1621800);
-- 1710-9/00 Fabricação de celulose e outras pastas para a fabricação de papel
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1710900);
-- 1721-4/00 Fabricação de papel
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1721400);
-- 1731-1/00 Fabricação de embalagens de papel
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1731100);
-- 1811-3/01 Impressão de jornais
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1811301);
-- 1813-0/01 Impressão de material para uso publicitário
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1813001);
-- 1921-7/00 Fabricação de produtos do refino de petróleo
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (1921700);
-- 2011-8/00 Fabricação de cloro e álcalis
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2011800);
-- 2061-4/00 Fabricação de sabões e detergentes sintéticos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2061400);
-- 2063-1/00 Fabricação de cosméticos, produtos de perfumaria e de higiene pessoal
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2063100);
-- 2071-1/00 Fabricação de tintas, vernizes, esmaltes e lacas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2071100);
-- 2121-1/01 Fabricação de medicamentos alopáticos para uso humano
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2121101);
-- 2219-6/00 Fabricação de artefatos de borracha não especificados anteriormente
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2219600);
-- 2222-6/00 Fabricação de embalagens de material plástico
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2222600);
-- 2229-3/99 Fabricação de artefatos de material plástico para outros usos não especificados anteriormente
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2229399);
-- 2330-3/01 Fabricação de estruturas pré-moldadas de concreto armado, em série e sob encomenda
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2330301);
-- 2330-3/02 Fabricação de artefatos de cimento para uso na construção
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2330302);
-- 2342-7/01 Fabricação de azulejos e pisos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2342701);
-- 2349-4/01 Fabricação de material sanitário de cerâmica
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2349401);
-- 2391-5/01 Britamento de pedras, exceto associado à extração
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2391501);
-- 2511-0/00 Fabricação de estruturas metálicas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2511000);
-- 2512-8/00 Fabricação de esquadrias de metal
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2512800);
-- 2539-0/01 Serviços de usinagem, tornearia e solda
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2539001);
-- 2542-0/00 Fabricação de artigos de serralheria, exceto esquadrias
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2542000);
-- 2599-3/99 Fabricação de outros produtos de metal não especificados anteriormente
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2599399);
-- 2610-8/00 Fabricação de componentes eletrônicos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2610800);
-- 2621-3/00 Fabricação de equipamentos de informática
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2621300);
-- 2751-1/00 Fabricação de fogões, refrigeradores e máquinas de lavar e secar para uso doméstico
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2751100);
-- 2910-7/01 Fabricação de automóveis, camionetas e utilitários
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (2910701);
-- 3101-2/00 Fabricação de móveis com predominância de madeira
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (3101200);
-- 3102-1/00 Fabricação de móveis com predominância de metal
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (3102100);
-- 3104-7/00 Fabricação de colchões
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (3104700);
-- 3250-7/06 Serviços de prótese dentária
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (3250706);

-- Section D Eletricidade e gás
-- 3511-5/01 Geração de energia elétrica
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (3511501);
-- 3511-5/02 Atividades de coordenação e controle da operação da geração e transmissão de energia elétrica
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (3511502);
-- 3514-0/00 Distribuição de energia elétrica
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (3514000);

-- Section E Água, esgoto, gestão de resíduos e descontaminação
-- 3600-6/01 Captação, tratamento e distribuição de água
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (3600601);
-- 3701-1/00 Gestão de redes de esgoto
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (3701100);
-- 3811-4/00 Coleta de resíduos não-perigosos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (3811400);

-- Section F Construção
-- 4110-7/00 Incorporação de empreendimentos imobiliários
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4110700);
-- 4120-4/00 Construção de edifícios
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4120400);
-- 4211-1/01 Construção de rodovias e ferrovias
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4211101);
-- 4221-9/02 Construção de estações e redes de distribuição de energia elétrica
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4221902);
-- 4222-7/01 Construção de redes de abastecimento de água, coleta de esgoto e construções correlatas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4222701);
-- 4292-8/01 Montagem de estruturas metálicas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4292801);
-- 4299-5/99 Outras obras de engenharia civil não especificadas anteriormente
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4299599);
-- 4311-8/02 Preparação de canteiro e limpeza de terreno
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4311802);
-- 4313-4/00 Obras de terraplenagem
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4313400);
-- 4321-5/00 Instalação e manutenção elétrica
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4321500);
-- 4322-3/01 Instalações hidráulicas, sanitárias e de gás
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4322301);
-- 4322-3/02 Instalação e manutenção de sistemas centrais de ar condicionado, de ventilação e refrigeração
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4322302);
-- 4330-4/02 Instalação de portas, janelas, tetos, divisórias e armários embutidos de qualquer material
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4330402);
-- 4330-4/04 Serviços de pintura de edifícios em geral
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4330404);
-- 4330-4/99 Outras obras de acabamento da construção
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4330499);
-- 4391-6/00 Obras de fundações
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4391600);
-- 4399-1/03 Obras de alvenaria
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4399103);
-- 4399-1/99 Serviços especializados para construção não especificados anteriormente
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4399199);

-- Section G Comércio, reparação de veículos automotores e motocicletas
-- 4511-1/01 Comércio a varejo de automóveis, camionetas e utilitários novos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4511101);
-- 4511-1/02 Comércio a varejo de automóveis, camionetas e utilitários usados
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4511102);
-- 4520-0/01 Serviços de manutenção e reparação mecânica de veículos automotores
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4520001);
-- 4520-0/02 Serviços de lanternagem ou funilaria e pintura de veículos automotores
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4520002);
-- 4520-0/03 Serviços de manutenção e reparação elétrica de veículos automotores
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4520003);
-- 4520-0/04 Serviços de alinhamento e balanceamento de veículos automotores
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4520004);
-- 4520-0/05 Serviços de lavagem, lubrificação e polimento de veículos automotores
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4520005);
-- 4520-0/06 Serviços de borracharia para veículos automotores
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4520006);
-- 4520-0/07 Serviços de instalação, manutenção e reparação de acessórios para veículos automotores
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4520007);
-- 4530-7/03 Comércio a varejo de peças e acessórios novos para veículos automotores
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4530703);
-- 4619-2/00 Representantes comerciais e agentes do comércio de mercadorias em geral não especializado
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4619200);
-- 4631-1/00 Comércio atacadista de leite e laticínios
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4631100);
-- 4637-1/07 Comércio atacadista de chocolates, confeitos, balas, bombons e semelhantes
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4637107);
-- 4639-7/01 Comércio atacadista de produtos alimentícios em geral
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4639701);
-- 4644-3/01 Comércio atacadista de medicamentos e drogas de uso humano
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4644301);
-- 4661-3/00 Comércio atacadista de máquinas, aparelhos e equipamentos para uso agropecuário
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4661300);
-- 4671-1/00 Comércio atacadista de madeira e produtos derivados
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4671100);
-- 4672-9/00 Comércio atacadista de ferragens e ferramentas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4672900);
-- 4673-7/00 Comércio atacadista de material elétrico
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4673700);
-- 4679-6/99 Comércio atacadista de materiais de construção em geral
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4679699);
-- 4681-8/01 Comércio atacadista de álcool carburante, biodiesel, gasolina e demais derivados de petróleo, exceto lubrificantes, não realizado por transportador retalhista (TRR)
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4681801);
-- 4686-9/02 Comércio atacadista de embalagens
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4686902);
-- 4691-5/00 Comércio atacadista de mercadorias em geral, com predominância de produtos alimentícios
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4691500);
-- 4711-3/01 Comércio varejista de mercadorias em geral, com predominância de produtos alimentícios - hipermercados
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4711301);
-- 4711-3/02 Comércio varejista de mercadorias em geral, com predominância de produtos alimentícios - supermercados
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4711302);
-- 4712-1/00 Comércio varejista de mercadorias em geral, com predominância de produtos alimentícios - minimercados, mercearias e armazéns
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4712100);
-- 4713-0/02 Lojas de variedades, exceto lojas de departamentos ou magazines
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4713002);
-- 4721-1/02 Padaria e confeitaria com predominância de revenda
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4721102);
-- 4721-1/03 Comércio varejista de laticínios e frios
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4721103);
-- 4721-1/04 Comércio varejista de doces, balas, bombons e semelhantes
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4721104);
-- 4722-9/01 Comércio varejista de carnes - açougues
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4722901);
-- 4722-9/02 Peixaria
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4722902);
-- 4723-7/00 Comércio varejista de bebidas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4723700);
-- 4724-5/00 Comércio varejista de hortifrutigranjeiros
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4724500);
-- 4729-6/99 Comércio varejista de produtos alimentícios em geral ou especializado em produtos alimentícios não especificados anteriormente
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4729699);
-- 4731-8/00 Comércio varejista de combustíveis para veículos automotores
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4731800);
-- 4732-6/00 Comércio varejista de lubrificantes
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4732600);
-- 4741-5/00 Comércio varejista de tintas e materiais para pintura
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4741500);
-- 4742-3/00 Comércio varejista de material elétrico
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4742300);
-- 4743-1/00 Comércio varejista de vidros
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4743100);
-- 4744-0/01 Comércio varejista de ferragens e ferramentas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4744001);
-- 4744-0/05 Comércio varejista de materiais de construção não especificados anteriormente
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4744005);
-- 4744-0/99 Comércio varejista de materiais de construção em geral
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4744099);
-- 4751-2/01 Comércio varejista especializado de equipamentos e suprimentos de informática
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4751201);
-- 4752-1/00 Comércio varejista especializado de equipamentos de telefonia e comunicação
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4752100);
-- 4753-9/00 Comércio varejista especializado de eletrodomésticos e equipamentos de áudio e vídeo
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4753900);
-- 4754-7/01 Comércio varejista de móveis
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4754701);
-- 4755-5/02 Comércio varejista de artigos de armarinho
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4755502);
-- 4755-5/03 Comércio varejista de artigos de cama, mesa e banho
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4755503);
-- 4756-3/00 Comércio varejista especializado de instrumentos musicais e acessórios
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4756300);
-- 4759-8/99 Comércio varejista de outros artigos de uso pessoal e doméstico não especificados anteriormente
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4759899);
-- 4761-0/01 Comércio varejista de livros
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4761001);
-- 4761-0/03 Comércio varejista de artigos de papelaria
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4761003);
-- 4763-6/01 Comércio varejista de brinquedos e artigos recreativos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4763601);
-- 4763-6/02 Comércio varejista de artigos esportivos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4763602);
-- 4763-6/03 Comércio varejista de bicicletas e triciclos, peças e acessórios
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4763603);
-- 4771-7/01 Comércio varejista de produtos farmacêuticos, sem manipulação de fórmulas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4771701);
-- 4771-7/02 Comércio varejista de produtos farmacêuticos, com manipulação de fórmulas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4771702);
-- 4772-5/00 Comércio varejista de cosméticos, produtos de perfumaria e de higiene pessoal
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4772500);
-- 4773-3/00 Comércio varejista de artigos médicos e ortopédicos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4773300);
-- 4774-1/00 Comércio varejista de artigos de óptica
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4774100);
-- 4781-4/00 Comércio varejista de artigos do vestuário e acessórios
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4781400);
-- 4782-2/01 Comércio varejista de calçados
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4782201);
-- 4783-1/01 Comércio varejista de artigos de joalheria
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4783101);
-- 4784-9/00 Comércio varejista de gás liquefeito de petróleo (GLP)
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4784900);
-- 4789-0/01 Comércio varejista de suvenires, bijuterias e artesanatos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4789001);
-- 4789-0/04 Comércio varejista de animais vivos e de artigos e alimentos para animais de estimação
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4789004);
-- 4789-0/05 Comércio varejista de produtos saneantes domissanitários
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4789005);
-- 4789-0/99 Comércio varejista de outros produtos não especificados anteriormente
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4789099);

-- Section H Transporte, armazenagem e correio
-- 4911-6/00 Transporte ferroviário de carga
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4911600);
-- 4921-3/01 Transporte rodoviário coletivo de passageiros, com itinerário fixo, municipal
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4921301);
-- 4922-1/01 Transporte rodoviário coletivo de passageiros, com itinerário fixo, intermunicipal, exceto em região metropolitana
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4922101);
-- 4923-0/01 Serviço de táxi
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4923001);
-- 4924-8/00 Transporte escolar
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4924800);
-- 4929-9/01 Transporte rodoviário coletivo de passageiros, sob regime de fretamento, municipal
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4929901);
-- 4930-2/01 Transporte rodoviário de carga, exceto produtos perigosos e mudanças, municipal
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4930201);
-- 4930-2/02 Transporte rodoviário de carga, exceto produtos perigosos e mudanças, intermunicipal, interestadual e internacional
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4930202);
-- 4930-2/03 Transporte rodoviário de produtos perigosos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4930203);
-- 4930-2/04 Transporte rodoviário de mudanças
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (4930204);
-- 5011-4/01 Transporte marítimo de cabotagem - carga
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5011401);
-- 5111-1/00 Transporte aéreo de passageiros regular
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5111100);
-- 5211-7/01 Armazéns gerais - emissão de warrant
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5211701);
-- 5211-7/99 Depósitos de mercadorias para terceiros, exceto armazéns gerais e guarda-móveis
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5211799);
-- 5212-5/00 Carga e descarga
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5212500);
-- 5223-1/00 Estacionamento de veículos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5223100);
-- 5250-8/04 Organização logística do transporte de carga
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5250804);
-- 5310-5/01 Atividades do Correio Nacional
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5310501);
-- 5320-2/02 Serviços de entrega rápida
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5320202);

-- Section I Alojamento e alimentação
-- 5510-8/01 Hotéis
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5510801);
-- 5510-8/02 Apart-hotéis
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5510802);
-- 5510-8/03 Motéis
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5510803);
-- 5590-6/99 Outros alojamentos não especificados anteriormente
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5590699);
-- 5611-2/01 Restaurantes e similares
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5611201);
-- 5611-2/03 Lanchonetes, casas de chá, de sucos e similares
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5611203);
-- 5611-2/04 Bares e outros estabelecimentos especializados em servir bebidas, sem entretenimento
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5611204);
-- 5611-2/05 Bares e outros estabelecimentos especializados em servir bebidas, com entretenimento
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5611205);
-- 5612-1/00 Serviços ambulantes de alimentação
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5612100);
-- 5620-1/01 Fornecimento de alimentos preparados preponderantemente para empresas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5620101);
-- 5620-1/02 Serviços de alimentação para eventos e recepções - bufê
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5620102);
-- 5620-1/03 Cantinas - serviços de alimentação privativos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5620103);
-- 5620-1/04 Fornecimento de alimentos preparados preponderantemente para consumo domiciliar
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5620104);

-- Section J Informação e comunicação
-- 5811-5/00 Edição de livros
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (5811500);
-- 6110-8/01 Serviços de telefonia fixa comutada - STFC
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6110801);
-- 6190-6/01 Provedores de acesso às redes de comunicações
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6190601);
-- 6201-5/01 Desenvolvimento de programas de computador sob encomenda
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6201501);
-- 6202-3/00 Desenvolvimento e licenciamento de programas de computador customizáveis
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6202300);
-- 6203-1/00 Desenvolvimento e licenciamento de programas de computador não-customizáveis
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6203100);
-- 6204-0/00 Consultoria em tecnologia da informação
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6204000);
-- 6209-1/00 Suporte técnico, manutenção e outros serviços em tecnologia da informação
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6209100);
-- 6311-9/00 Tratamento de dados, provedores de serviços de aplicação e serviços de hospedagem na internet
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6311900);
-- 6319-4/00 Portais, provedores de conteúdo e outros serviços de informação na internet
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6319400);

-- Section K Atividades financeiras, de seguros e serviços relacionados
-- 6422-1/00 Bancos múltiplos, com carteira comercial
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6422100);
-- 6423-9/00 Caixas econômicas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6423900);
-- 6424-7/03 Cooperativas de crédito mútuo
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6424703);
-- 6619-3/02 Correspondentes de instituições financeiras
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6619302);
-- 6622-3/00 Corretores e agentes de seguros, de planos de previdência complementar e de saúde
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6622300);

-- Section L Atividades imobiliárias
-- 6810-2/01 Compra e venda de imóveis próprios
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6810201);
-- 6810-2/02 Aluguel de imóveis próprios
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6810202);
-- 6821-8/01 Corretagem na compra e venda e avaliação de imóveis
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6821801);
-- 6822-6/00 Gestão e administração da propriedade imobiliária
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6822600);

-- Section M Atividades profissionais, científicas e técnicas
-- 6911-7/01 Serviços advocatícios
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6911701);
-- 6920-6/01 Atividades de contabilidade
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6920601);
-- 6920-6/02 Atividades de consultoria e auditoria contábil e tributária
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (6920602);
-- 7020-4/00 Atividades de consultoria em gestão empresarial, exceto consultoria técnica específica
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (7020400);
-- 7111-1/00 Serviços de arquitetura
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (7111100);
-- 7112-0/00 Serviços de engenharia
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (7112000);
-- 7120-1/00 Testes e análises técnicas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (7120100);
-- 7311-4/00 Agências de publicidade
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (7311400);
-- 7319-0/02 Promoção de vendas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (7319002);
-- 7410-2/02 Design de interiores
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (7410202);
-- 7420-0/01 Atividades de produção de fotografias, exceto aérea e submarina
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (7420001);
-- 7490-1/04 Atividades de intermediação e agenciamento de serviços e negócios em geral, exceto imobiliários
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (7490104);
-- 7500-1/00 Atividades veterinárias
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (7500100);

-- Section N Atividades administrativas e serviços complementares
-- 7711-0/00 Locação de automóveis sem condutor
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (7711000);
-- 7732-2/01 Aluguel de máquinas e equipamentos para construção sem operador, exceto andaimes
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (7732201);
-- 7810-8/00 Seleção e agenciamento de mão-de-obra
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (7810800);
-- 7820-5/00 Locação de mão-de-obra temporária
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (7820500);
-- 7830-2/00 Fornecimento e gestão de recursos humanos para terceiros
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (7830200);
-- 7911-2/00 Agências de viagens
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (7911200);
-- 8011-1/01 Atividades de vigilância e segurança privada
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8011101);
-- 8012-9/00 Atividades de transporte de valores
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8012900);
-- 8111-7/00 Serviços combinados para apoio a edifícios, exceto condomínios prediais
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8111700);
-- 8112-5/00 Condomínios prediais
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8112500);
-- 8121-4/00 Limpeza em prédios e em domicílios
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8121400);
-- 8122-2/00 Imunização e controle de pragas urbanas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8122200);
-- 8130-3/00 Atividades paisagísticas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8130300);
-- 8211-3/00 Serviços combinados de escritório e apoio administrativo
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8211300);
-- 8219-9/01 Fotocópias
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8219901);
-- 8220-2/00 Atividades de teleatendimento
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8220200);
-- 8230-0/01 Serviços de organização de feiras, congressos, exposições e festas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8230001);
-- 8291-1/00 Atividades de cobranças e informações cadastrais
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8291100);
-- 8299-7/99 Outras atividades de serviços prestados principalmente às empresas não especificadas anteriormente
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8299799);

-- Section O Administração pública, defesa e seguridade social
-- 8411-6/00 Administração pública em geral
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8411600);
-- 8412-4/00 Regulação das atividades de saúde, educação, serviços culturais e outros serviços sociais
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8412400);
-- 8423-0/00 Justiça
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8423000);
-- 8424-8/00 Segurança e ordem pública
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8424800);
-- 8425-6/00 Defesa civil
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8425600);
-- 8430-2/00 Seguridade social obrigatória
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8430200);

-- Section P Educação
-- 8511-2/00 Educação infantil - creche
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8511200);
-- 8512-1/00 Educação infantil - pré-escola
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8512100);
-- 8513-9/00 Ensino fundamental
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8513900);
-- 8520-1/00 Ensino médio
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8520100);
-- 8531-7/00 Educação superior - graduação
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8531700);
-- 8541-4/00 Educação profissional de nível técnico
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8541400);
-- 8593-7/00 Ensino de idiomas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8593700);
-- 8599-6/03 Treinamento em informática
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8599603);
-- 8599-6/04 Treinamento em desenvolvimento profissional e gerencial
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8599604);
-- 8599-6/99 Outras atividades de ensino não especificadas anteriormente
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8599699);

-- Section Q Saúde humana e serviços sociais
-- 8610-1/01 Atividades de atendimento hospitalar, exceto pronto-socorro e unidades para atendimento a urgências
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8610101);
-- 8610-1/02 Atividades de atendimento em pronto-socorro e unidades hospitalares para atendimento a urgências
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8610102);
-- 8630-5/01 Atividade médica ambulatorial com recursos para realização de procedimentos cirúrgicos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8630501);
-- 8630-5/02 Atividade médica ambulatorial com recursos para realização de exames complementares
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8630502);
-- 8630-5/03 Atividade médica ambulatorial restrita a consultas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8630503);
-- 8630-5/04 Atividade odontológica
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8630504);
-- 8640-2/02 Laboratórios clínicos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8640202);
-- 8650-0/01 Atividades de enfermagem
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8650001);
-- 8650-0/04 Atividades de fisioterapia
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8650004);
-- 8711-5/02 Instituições de longa permanência para idosos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8711502);
-- 8800-6/00 Serviços de assistência social sem alojamento
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (8800600);

-- Section R Artes, cultura, esporte e recreação
-- 9311-5/00 Gestão de instalações de esportes
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9311500);
-- 9312-3/00 Clubes sociais, esportivos e similares
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9312300);
-- 9313-1/00 Atividades de condicionamento físico
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9313100);

-- Section S Outras atividades de serviços
-- 9411-1/00 Atividades de organizações associativas patronais e empresariais
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9411100);
-- 9420-1/00 Atividades de organizações sindicais
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9420100);
-- 9430-8/00 Atividades de associações de defesa de direitos sociais
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9430800);
-- 9491-0/00 Atividades de organizações religiosas ou filosóficas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9491000);
-- 9492-8/00 Atividades de organizações políticas
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9492800);
-- 9499-5/00 Atividades associativas não especificadas anteriormente
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9499500);
-- 9511-8/00 Reparação e manutenção de computadores e de equipamentos periféricos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9511800);
-- 9521-5/00 Reparação e manutenção de equipamentos eletroeletrônicos de uso pessoal e doméstico
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9521500);
-- 9529-1/01 Reparação de calçados, bolsas e artigos de viagem
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9529101);
-- 9601-7/01 Lavanderias
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9601701);
-- 9602-5/01 Cabeleireiros, manicure e pedicure
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9602501);
-- 9602-5/02 Atividades de estética e outros serviços de cuidados com a beleza
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9602502);
-- 9603-3/04 Serviços de funerárias
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9603304);

-- Section T Serviços domésticos
-- 9700-5/00 Serviços domésticos
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9700500);

-- Section U Organismos internacionais e outras instituições extraterritoriais
-- 9900-8/00 Organismos internacionais e outras instituições extraterritoriais
INSERT INTO SFGTBT03_ATIVIDADE_CNAE_NIVEL_5 (NU_IBGE) VALUES (9900800);
