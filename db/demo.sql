SET NAMES utf8mb4;

-- Demo data for the Norvento schema of db/norvento.sql: a small grocery wholesaler
-- in the Guadalajara area with four route sellers. Load it into a database made
-- from the schema:
--   mariadb DBNAME < db/norvento.sql && mariadb DBNAME < db/demo.sql
-- Documents run from September to 7 December 2026.
--
-- Users (table usuarios, enciphered): admin / admin (Id 1, every right),
-- vendedor1 / 1234 (rights 550, 551 and 552: enter, publish, read sales),
-- consulta / 0000 (no rights: cannot enter).
--
-- Receivables whose document is missing on purpose (cxc shows them as "Id n"
-- with date "FECHA"): see the notes above the cxc rows.

-- Sellers.
INSERT INTO vendedores (Clave, Nombre, NIP) VALUES
  ('V01', 'Juan Carlos Méndez Ruiz', '4821'),
  ('V02', 'María Guadalupe Torres Salinas', '1357'),
  ('V03', 'José Luis Ramírez Ochoa', '9024'),
  ('V04', 'Ana Sofía Castañeda Leal', '6610');

-- Units of measure. Product DES001 has no unit (0, no row here).
INSERT INTO medidas (Id, Medida) VALUES
  (1, 'PZA'),
  (2, 'KG'),
  (3, 'CJA'),
  (4, 'LT'),
  (5, 'PAQ');

-- Products: five prices (1 retail ... 5 wholesale), cost and average cost,
-- stock (PorVender = quantity reserved by open orders). EnLista 0: not in the price
-- lists. PesoProm: kilograms per bundle (sack, piece) for bundle counts.
INSERT INTO productos (Clave, Descrip, UnidadMedida, Precio1, Precio2, Precio3, Precio4, Precio5, Costo, CostoProm, Existencia, PorVender, EnLista, IVA, ImpuestoAd, PesoProm) VALUES
  ('ABA001', 'Aceite vegetal comestible 1 L', 1, 44.50, 42.70, 41.40, 40.10, 38.70, 31.15, 30.6828, 96, 0, 1, 0, 0, 0),
  ('ABA002', 'Arroz súper extra 1 kg', 1, 32.00, 30.70, 29.80, 28.80, 27.80, 23.04, 23.0400, 120, 40, 1, 0, 0, 0),
  ('ABA003', 'Frijol negro a granel', 2, 38.00, 36.50, 35.30, 34.20, 33.10, 28.12, 28.4574, 85.75, 0, 1, 0, 0, 50),
  ('ABA004', 'Azúcar estándar a granel', 2, 29.50, 28.30, 27.40, 26.60, 25.70, 22.42, 22.0837, 210.5, 50, 1, 0, 0, 50),
  ('ABA005', 'Harina de trigo 1 kg', 1, 24.00, 23.00, 22.30, 21.60, 20.90, 16.80, 16.8000, 64, 0, 1, 0, 0, 0),
  ('ABA006', 'Atún en agua 140 g', 1, 21.50, 20.60, 20.00, 19.40, 18.70, 15.48, 15.6658, 240, 24, 1, 0, 0, 0),
  ('ABA007', 'Sardinas en salsa de tomate 425 g', 1, 34.00, 32.60, 31.60, 30.60, 29.60, 25.16, 24.7826, 0, 0, 1, 0, 0, 0),
  ('ABA008', 'Café soluble clásico 200 g', 1, 118.00, 113.30, 109.70, 106.20, 102.70, 89.68, 89.6800, 36, 0, 1, 0, 0, 0),
  ('ABA009', 'Chiles jalapeños en rajas 220 g', 1, 19.00, 18.20, 17.70, 17.10, 16.50, 13.30, 13.4596, 150, 0, 1, 0, 0, 0),
  ('ABA010', 'Mayonesa con jugo de limón 390 g', 1, 48.00, 46.10, 44.60, 43.20, 41.80, 34.56, 34.0416, 44, 0, 1, 0, 0, 0),
  ('ABA011', 'Pasta para sopa fideo 200 g', 1, 9.50, 9.10, 8.80, 8.60, 8.30, 7.03, 7.0300, 400, 0, 1, 0, 0, 0),
  ('ABA012', 'Piña en almíbar 800 g', 1, 45.00, 43.20, 41.90, 40.50, 39.20, 34.20, 34.6104, 30, 0, 1, 0, 0, 0),
  ('ABA013', 'Consomé de pollo 12 cubos', 1, 26.00, 25.00, 24.20, 23.40, 22.60, 18.20, 17.9270, 58, 0, 1, 0, 0, 0),
  ('ABA014', 'Sal de mesa yodatada 1 kg', 1, 14.00, 13.40, 13.00, 12.60, 12.20, 10.08, 10.0800, 0, 0, 1, 0, 0, 0),
  ('ABA015', 'Avena en hojuelas 1 kg', 1, 41.00, 39.40, 38.10, 36.90, 35.70, 30.34, 30.7041, 18, 0, 1, 0, 0, 0),
  ('ABA016', 'Lenteja a granel', 2, 42.00, 40.30, 39.10, 37.80, 36.50, 31.92, 31.4412, 23.4, 0, 1, 0, 0, 25),
  ('ABA017', 'Galletas de avena 400 g', 5, 39.00, 37.40, 36.30, 35.10, 33.90, 27.30, 27.3000, 72, 0, 1, 0, 8, 0),
  ('ABA018', 'Aceite de oliva extra virgen 500 ml', 1, 145.00, 139.20, 134.90, 130.50, 126.20, 104.40, 105.6528, 6, 0, 0, 0, 0, 0),
  ('BEB001', 'Refresco de cola 2.5 L', 1, 42.00, 40.30, 39.10, 37.80, 36.50, 31.08, 30.6138, 180, 24, 1, 16, 0, 0),
  ('BEB002', 'Refresco de cola 600 ml caja 24 pzas', 3, 410.00, 393.60, 381.30, 369.00, 356.70, 311.60, 311.6000, 12, 4, 1, 16, 0, 0),
  ('BEB003', 'Agua purificada 1.5 L', 1, 15.00, 14.40, 14.00, 13.50, 13.10, 10.50, 10.6260, 300, 0, 1, 16, 0, 0),
  ('BEB004', 'Agua purificada garrafón 20 L', 1, 38.00, 36.50, 35.30, 34.20, 33.10, 27.36, 26.9496, 45, 30, 1, 0, 0, 0),
  ('BEB005', 'Jugo de naranja 1 L', 1, 31.00, 29.80, 28.80, 27.90, 27.00, 22.94, 22.9400, 60, 0, 1, 0, 0, 0),
  ('BEB006', 'Cerveza clara 355 ml caja 24 pzas', 3, 465.00, 446.40, 432.50, 418.50, 404.60, 353.40, 357.6408, 8, 0, 1, 16, 26.5, 0),
  ('BEB007', 'Bebida energética 473 ml', 1, 36.00, 34.60, 33.50, 32.40, 31.30, 25.20, 24.8220, 0, 0, 1, 16, 0, 0),
  ('BEB008', 'Refresco de manzana 355 ml lata', 1, 14.00, 13.40, 13.00, 12.60, 12.20, 10.08, 10.0800, 0, 0, 0, 16, 0, 0),
  ('LAC001', 'Leche entera 1 L', 1, 27.50, 26.40, 25.60, 24.80, 23.90, 20.35, 20.5942, 180, 24, 1, 0, 0, 0),
  ('LAC002', 'Queso Oaxaca', 2, 165.00, 158.40, 153.50, 148.50, 143.60, 125.40, 123.5190, 14.25, 3.5, 1, 0, 0, 1),
  ('LAC003', 'Queso panela', 2, 140.00, 134.40, 130.20, 126.00, 121.80, 98.00, 98.0000, 8.6, 0, 1, 0, 0, 0.5),
  ('LAC004', 'Crema ácida 450 ml', 1, 38.00, 36.50, 35.30, 34.20, 33.10, 27.36, 27.6883, 40, 0, 1, 0, 0, 0),
  ('LAC005', 'Yogur bebible sabor fresa 1 kg', 1, 36.00, 34.60, 33.50, 32.40, 31.30, 26.64, 26.2404, 24, 0, 1, 0, 0, 0),
  ('LAC006', 'Mantequilla sin sal 90 g', 1, 22.00, 21.10, 20.50, 19.80, 19.10, 16.72, 16.7200, 0, 0, 1, 0, 0, 0),
  ('CAR001', 'Jamón de pavo', 2, 189.00, 181.40, 175.80, 170.10, 164.40, 132.30, 133.8876, 9.75, 0, 1, 0, 0, 3.5),
  ('CAR002', 'Salchicha de pavo 1 kg', 1, 89.00, 85.40, 82.80, 80.10, 77.40, 64.08, 63.1188, 32, 6, 1, 0, 0, 0),
  ('CAR003', 'Chorizo de cerdo', 2, 135.00, 129.60, 125.60, 121.50, 117.50, 99.90, 99.9000, 6.4, 0, 1, 0, 0, 0.5),
  ('LIM001', 'Jabón & Cía barra de lavandería 400 g', 1, 24.50, 23.50, 22.80, 22.10, 21.30, 18.62, 18.8434, 160, 0, 1, 16, 0, 0),
  ('LIM002', 'Detergente en polvo 1 kg', 1, 42.00, 40.30, 39.10, 37.80, 36.50, 29.40, 28.9590, 75, 24, 1, 16, 0, 0),
  ('LIM003', 'Cloro blanqueador 1 L', 1, 18.00, 17.30, 16.70, 16.20, 15.70, 12.96, 12.9600, 110, 0, 1, 16, 0, 0),
  ('LIM004', 'Limpiador multiusos lavanda 1 L', 1, 28.00, 26.90, 26.00, 25.20, 24.40, 20.72, 20.9686, 54, 0, 1, 16, 0, 0),
  ('LIM005', 'Suavizante de telas 850 ml', 1, 34.00, 32.60, 31.60, 30.60, 29.60, 25.84, 25.4524, 38, 0, 1, 16, 0, 0),
  ('LIM006', 'Papel higiénico 4 rollos', 5, 36.00, 34.60, 33.50, 32.40, 31.30, 25.20, 25.2000, 90, 12, 1, 16, 0, 0),
  ('LIM007', 'Fibra verde para trastes', 1, 12.00, 11.50, 11.20, 10.80, 10.40, 8.64, 8.7437, 130, 0, 1, 16, 0, 0),
  ('LIM008', 'Cloro a granel', 4, 11.00, 10.60, 10.20, 9.90, 9.60, 8.14, 8.0179, 120.5, 0, 1, 16, 0, 0),
  ('HIG001', 'Jabón de tocador 150 g', 1, 19.50, 18.70, 18.10, 17.60, 17.00, 14.82, 14.8200, 84, 0, 1, 16, 0, 0),
  ('HIG002', 'Champú para niños 400 ml', 1, 58.00, 55.70, 53.90, 52.20, 50.50, 40.60, 41.0872, 20, 0, 1, 16, 0, 0),
  ('HIG003', 'Pañales etapa 3 40 pzas', 5, 289.00, 277.40, 268.80, 260.10, 251.40, 208.08, 204.9588, 14, 4, 1, 16, 0, 0),
  ('HIG004', 'Toallas femeninas 10 pzas', 5, 35.00, 33.60, 32.60, 31.50, 30.50, 25.90, 25.9000, 48, 0, 1, 0, 0, 0),
  ('BOT001', 'Papas fritas con sal 45 g', 1, 18.00, 17.30, 16.70, 16.20, 15.70, 13.68, 13.8442, 200, 0, 1, 16, 8, 0),
  ('BOT002', 'Cacahuates japoneses 100 g', 1, 16.00, 15.40, 14.90, 14.40, 13.90, 11.20, 11.0320, 140, 0, 1, 16, 8, 0),
  ('BOT003', 'Palomitas de maíz para microondas 3 pzas', 5, 29.00, 27.80, 27.00, 26.10, 25.20, 20.88, 20.8800, 0, 0, 1, 16, 8, 0),
  ('DUL001', 'Paleta de caramelo enchilada 40 pzas', 5, 58.00, 55.70, 53.90, 52.20, 50.50, 42.92, 43.4350, 36, 0, 1, 16, 8, 0),
  ('DUL002', 'Chocolate en barra 30 g', 1, 14.00, 13.40, 13.00, 12.60, 12.20, 10.64, 10.4804, 95, 0, 1, 16, 8, 0),
  ('DES001', 'Vaso desechable 8 oz 50 pzas', 0, 32.00, 30.70, 29.80, 28.80, 27.80, 22.40, 22.4000, 25, 0, 1, 16, 0, 0),
  ('VAR001', 'Veladora aromática en vaso', 1, 25.00, 24.00, 23.30, 22.50, 21.80, 18.00, 18.2160, 3, 0, 0, 16, 0, 0),
  ('VAR002', 'Hielo en bolsa 5 kg', 1, 30.00, 28.80, 27.90, 27.00, 26.10, 22.20, 21.8670, 0, 0, 0, 16, 0, 0);

-- Customers: Precio is the price list (1..5), DCredito the credit days.
-- C015 and C026 were captured before the third and fourth phones existed (NULL).
INSERT INTO clientes (Clave, Nombre, Precio, Vendedor, Calle, NumExterior, NumInterior, Colonia, CP, Ciudad, Estado, Telefono1, Telefono2, Telefono3, Telefono4, Atencion, DCredito, Domicilio, RFC, ReferenciaDomic, Localidad, Pais) VALUES
  ('C001', 'Abarrotes La Esperanza', 1, 'V01', 'Av. Javier Mina', '1245', '', 'San Juan de Dios', '44360', 'Guadalajara', 'Jalisco', '33 3617 4521', '33 1245 7788', '', '', 'Rosa María Gutiérrez', 15, 'Av. Javier Mina 1245, Col. San Juan de Dios', 'GUGR680914K21', 'Frente al mercado', 'Guadalajara', 'México'),
  ('C002', 'Miscelánea Don Pepe', 1, 'V01', 'Calle Pedro Loza', '532', '', 'Centro', '44100', 'Guadalajara', 'Jalisco', '33 3613 0945', '', '', '', 'José Hernández', 0, 'Calle Pedro Loza 532, Col. Centro', 'HEMJ550302QT8', '', 'Guadalajara', 'México'),
  ('C003', 'Cremería Los Álamos', 2, 'V01', 'Av. Hidalgo', '1870', 'B', 'Ladrón de Guevara', '44600', 'Guadalajara', 'Jalisco', '33 3825 6610', '33 3825 6611', '', '', 'Patricia Álvarez', 30, 'Av. Hidalgo 1870 int. B, Col. Ladrón de Guevara', 'AALP720611B90', 'Entre Marsella y Lerdo de Tejada', 'Guadalajara', 'México'),
  ('C004', 'Tienda La Güerita', 1, 'V01', 'Calle Herrera y Cairo', '988', '', 'Santa Teresita', '44200', 'Guadalajara', 'Jalisco', '33 3826 3390', '', '', '', 'Elvira Ramos', 7, 'Calle Herrera y Cairo 988, Col. Santa Teresita', 'RAGE800127HK3', 'Esquina con Juan Álvarez', 'Guadalajara', 'México'),
  ('C005', 'Súper Martínez & Hijos, S.A. de C.V.', 3, 'V01', 'Av. Federalismo Norte', '2210', '', 'Jardines Alcalde', '44298', 'Guadalajara', 'Jalisco', '33 3854 7120', '33 3854 7121', '', '', 'Lic. Ricardo Martínez', 30, 'Av. Federalismo Norte 2210, Col. Jardines Alcalde', 'SMH0105228T4', 'Bodega con cortina verde', 'Guadalajara', 'México'),
  ('C006', 'Cocina Económica Doña Lupita', 1, 'V01', 'Calle Garibaldi', '1402', '', 'Santa Teresita', '44600', 'Guadalajara', 'Jalisco', '33 3826 1187', '', '', '', 'Guadalupe Cervantes', 0, 'Calle Garibaldi 1402, Col. Santa Teresita', 'CEGU630815J52', '', 'Guadalajara', 'México'),
  ('C007', 'Abarrotes La Peña', 2, 'V01', 'Calle Medrano', '345', '', 'San Andrés', '44810', 'Guadalajara', 'Jalisco', '33 3643 2298', '33 1598 4420', '', '', 'Mario Peña Ruelas', 15, 'Calle Medrano 345, Col. San Andrés', 'PERM770403PD6', 'A media cuadra del templo', 'Guadalajara', 'México'),
  ('C008', 'Restaurante El Fogón de Oblatos', 2, 'V01', 'Calz. Independencia Norte', '3120', '', 'Oblatos', '44700', 'Guadalajara', 'Jalisco', '33 3637 5540', '', '', '', 'Chef Armando Lara', 15, 'Calz. Independencia Norte 3120, Col. Oblatos', 'FOB0903116L2', '', 'Guadalajara', 'México'),
  ('C009', 'Minisúper Chapalita', 2, 'V02', 'Av. Guadalupe', '1080', '4', 'Chapalita', '45040', 'Zapopan', 'Jalisco', '33 3121 4455', '33 3121 4456', '', '', 'Sergio Villaseñor', 30, 'Av. Guadalupe 1080 int. 4, Col. Chapalita', 'VISS690825NB1', 'Local 4 de la plaza', 'Zapopan', 'México'),
  ('C010', 'Abarrotes Santa Margarita', 1, 'V02', 'Av. Santa Margarita', '3300', '', 'Santa Margarita', '45140', 'Zapopan', 'Jalisco', '33 3365 0912', '', '', '', 'Leticia Orozco', 7, 'Av. Santa Margarita 3300, Col. Santa Margarita', 'OOLL820919TR5', '', 'Zapopan', 'México'),
  ('C011', 'Tortillería y Abarrotes El Molino', 1, 'V02', 'Calle Hidalgo', '210', '', 'Zapopan Centro', '45100', 'Zapopan', 'Jalisco', '33 3633 8801', '33 1102 3344', '', '', 'Ramón Aceves', 0, 'Calle Hidalgo 210, Col. Zapopan Centro', 'AERR601230MN4', 'Junto a la parroquia', 'Zapopan', 'México'),
  ('C012', 'Farmacia y Miscelánea San Judas', 1, 'V02', 'Av. Las Águilas', '1650', '', 'Las Águilas', '45080', 'Zapopan', 'Jalisco', '33 3631 2276', '', '', '', 'Dra. Claudia Ríos', 15, 'Av. Las Águilas 1650, Col. Las Águilas', 'RIMC850714DS9', '', 'Zapopan', 'México'),
  ('C013', 'Comercializadora Arboledas, S.A. de C.V.', 5, 'V02', 'Av. Aviación', '4120', 'Bodega 7', 'San Juan de Ocotán', '45019', 'Zapopan', 'Jalisco', '33 3110 5600', '33 3110 5601', '', '', 'C.P. Fernando Arellano', 30, 'Av. Aviación 4120 int. Bodega 7, Col. San Juan de Ocotán', 'CAR1206148U7', 'Parque industrial, acceso 2', 'Zapopan', 'México'),
  ('C014', 'Dulcería La Piñata', 3, 'V02', 'Calle Emiliano Zapata', '78', '', 'Tabachines', '45188', 'Zapopan', 'Jalisco', '33 3660 4413', '', '', '', 'Karina Beltrán', 15, 'Calle Emiliano Zapata 78, Col. Tabachines', 'BEMK900302AL6', '', 'Zapopan', 'México'),
  ('C015', 'Juan Manuel Ibáñez Orozco', 1, 'V02', 'Calle Pino', '455', '', 'Arcos de Zapopan', '45130', 'Zapopan', 'Jalisco', '33 1987 2210', '', NULL, NULL, '', 0, 'Calle Pino 455, Col. Arcos de Zapopan', 'IAOJ790521H38', 'Casa de dos pisos, portón café', 'Zapopan', 'México'),
  ('C016', 'Cafetería Universitaria Los Belenes', 2, 'V02', 'Av. Periférico Norte', '799', '', 'Los Belenes', '45100', 'Zapopan', 'Jalisco', '33 3656 9030', '', '', '', 'Ing. Daniel Robles', 7, 'Av. Periférico Norte 799, Col. Los Belenes', 'ROCD880110GF2', 'Módulo C del campus', 'Zapopan', 'México'),
  ('C017', 'Abarrotes Doña Chelo', 1, 'V03', 'Calle Independencia', '120', '', 'Tlaquepaque Centro', '45500', 'San Pedro Tlaquepaque', 'Jalisco', '33 3635 1044', '', '', '', 'Consuelo Aguirre', 0, 'Calle Independencia 120, Col. Tlaquepaque Centro', 'AUCC580906RE1', '', 'San Pedro Tlaquepaque', 'México'),
  ('C018', 'Mercería y Abarrotes El Refugio', 1, 'V03', 'Calle Contreras Medellín', '402', '', 'El Refugio', '45500', 'San Pedro Tlaquepaque', 'Jalisco', '33 3639 7752', '', '', '', 'Alfredo Murguía', 7, 'Calle Contreras Medellín 402, Col. El Refugio', 'MUAA710218QW7', '', 'San Pedro Tlaquepaque', 'México'),
  ('C019', 'Súper Las Juntas', 2, 'V03', 'Calle Morelos', '1530', '', 'Las Juntas', '45590', 'San Pedro Tlaquepaque', 'Jalisco', '33 3601 3385', '33 3601 3386', '', '', 'Beatriz Gallardo', 15, 'Calle Morelos 1530, Col. Las Juntas', 'GABB760929PL3', 'Cerca de la estación del tren', 'San Pedro Tlaquepaque', 'México'),
  ('C020', 'Tienda El Sol de Tonalá', 1, 'V03', 'Av. Tonaltecas', '250', '', 'Tonalá Centro', '45400', 'Tonalá', 'Jalisco', '33 3683 0217', '', '', '', 'Humberto Solís', 7, 'Av. Tonaltecas 250, Col. Tonalá Centro', 'SOHH670512CV8', '', 'Tonalá', 'México'),
  ('C021', 'Abarrotes Loma Dorada', 1, 'V03', 'Av. Loma Dorada', '1825', '', 'Loma Dorada', '45418', 'Tonalá', 'Jalisco', '33 3792 4408', '33 1733 0901', '', '', 'Norma Espinoza', 15, 'Av. Loma Dorada 1825, Col. Loma Dorada', 'EIBN810707KS4', 'Frente a la escuela primaria', 'Tonalá', 'México'),
  ('C022', 'Birriería El Chivo de Oro', 2, 'V03', 'Calle Juárez', '315', '', 'Tlaquepaque Centro', '45500', 'San Pedro Tlaquepaque', 'Jalisco', '33 3657 2290', '', '', '', 'Rubén Chávez', 30, 'Calle Juárez 315, Col. Tlaquepaque Centro', 'CHRR740115MB5', '', 'San Pedro Tlaquepaque', 'México'),
  ('C023', 'María Fernanda Núñez Salcedo', 1, 'V03', 'Calle Río Nilo', '2740', '3', 'Lomas del Paradero', '45560', 'San Pedro Tlaquepaque', 'Jalisco', '33 2456 8817', '', '', '', '', 0, 'Calle Río Nilo 2740 int. 3, Col. Lomas del Paradero', 'NUSF920228TG9', 'Departamento 3, planta alta', 'San Pedro Tlaquepaque', 'México'),
  ('C024', 'Abarrotes Santa Fe', 1, 'V04', 'Av. Santa Fe', '1200', '', 'Hacienda Santa Fe', '45653', 'Tlajomulco de Zúñiga', 'Jalisco', '33 3796 1150', '', '', '', 'Gloria Navarro', 7, 'Av. Santa Fe 1200, Col. Hacienda Santa Fe', 'NAGG830416HX2', '', 'Tlajomulco de Zúñiga', 'México'),
  ('C025', 'Minisúper Chulavista', 2, 'V04', 'Av. Chulavista', '405', '', 'Chulavista', '45653', 'Tlajomulco de Zúñiga', 'Jalisco', '33 3796 5521', '33 1276 4490', '', '', 'Eduardo Quiñones', 15, 'Av. Chulavista 405, Col. Chulavista', 'QUEE780830UB6', 'Local en la glorieta', 'Tlajomulco de Zúñiga', 'México'),
  ('C026', 'Miscelánea Las Pintas', 1, 'V04', 'Prol. Las Pintas', '88', '', 'Las Pintas', '45693', 'El Salto', 'Jalisco', '33 3688 2041', '', NULL, NULL, 'Irma Castillo', 0, 'Prol. Las Pintas 88, Col. Las Pintas', 'CAII690121PP0', '', 'El Salto', 'México'),
  ('C027', 'Comedor Industrial El Castillo', 4, 'V04', 'Carretera a El Castillo', 'km 2.5', '', 'El Castillo', '45680', 'El Salto', 'Jalisco', '33 3284 7700', '33 3284 7701', '', '', 'Lic. Verónica Luna', 30, 'Carretera a El Castillo km 2.5, Col. El Castillo', 'CIC1403277H9', 'Dentro de la planta, caseta 3', 'El Salto', 'México'),
  ('C028', 'Abarrotes San Sebastián', 1, 'V04', 'Calle Juárez', '40', '', 'San Sebastián el Grande', '45650', 'Tlajomulco de Zúñiga', 'Jalisco', '33 3798 0316', '', '', '', 'Pedro Macías', 15, 'Calle Juárez 40, Col. San Sebastián el Grande', 'MAPP700725LN1', '', 'Tlajomulco de Zúñiga', 'México'),
  ('C029', 'Cremería y Salchichonería López', 3, 'V04', 'Av. López Mateos Sur', '7500', '12', 'Lomas del Mirador', '45645', 'Tlajomulco de Zúñiga', 'Jalisco', '33 3880 6124', '33 3880 6125', '', '', 'Alejandra López', 30, 'Av. López Mateos Sur 7500 int. 12, Col. Lomas del Mirador', 'LOAA860309FR3', 'Plaza Lomas, local 12', 'Tlajomulco de Zúñiga', 'México'),
  ('C030', 'Distribuidora del Valle de Cajititlán', 5, 'V04', 'Calle Ramón Corona', '15', '', 'Cajititlán', '45670', 'Tlajomulco de Zúñiga', 'Jalisco', '33 3763 0450', '33 3763 0451', '', '', 'Gerardo Valle', 30, 'Calle Ramón Corona 15, Col. Cajititlán', 'DVC1109197A5', 'Bodega junto al malecón', 'Tlajomulco de Zúñiga', 'México');

-- Negotiated prices per customer and product.
INSERT INTO listadeprecios (Cliente, Producto, Precio) VALUES
  ('C005', 'ABA002', 27.90),
  ('C005', 'BEB002', 352.00),
  ('C005', 'LIM001', 20.50),
  ('C013', 'ABA004', 24.80),
  ('C013', 'LIM002', 34.50),
  ('C027', 'ABA003', 31.50),
  ('C027', 'LAC001', 23.40),
  ('C030', 'BEB004', 31.00);

-- Price levels beyond the five of productos.
INSERT INTO productosmasprecios (Producto, NumeroDePrecio, Precio) VALUES
  ('ABA004', 6, 24.90),
  ('ABA004', 7, 24.20),
  ('BEB002', 6, 350.00),
  ('BEB006', 6, 398.00),
  ('BEB006', 7, 389.00),
  ('LAC001', 6, 23.50),
  ('LIM001', 6, 20.80);

-- Invoices (series F). Id 3, invoice F 1023 of C027, was removed: its receivable stays.
INSERT INTO facturas (Id, Serie, Factura, Fecha, Cliente, Total, Saldo) VALUES
  (1, 'F', 1021, '2026-10-14', 'C005', 8742.60, 3742.60),
  (2, 'F', 1022, '2026-10-28', 'C013', 15380.00, 0.00),
  (4, 'F', 1024, '2026-11-12', 'C030', 12906.40, 12906.40),
  (5, 'F', 1025, '2026-11-26', 'C009', 2318.00, 2318.00),
  (6, 'F', 1026, '2026-12-03', 'C029', 5604.75, 4604.75);

-- Layaways (series AP). Id 3, layaway AP 13 of C006, was removed: its receivable stays.
INSERT INTO apartados (Id, Serie, Factura, Fecha, Cliente, Total, Saldo) VALUES
  (1, 'AP', 11, '2026-09-19', 'C015', 3450.00, 0.00),
  (2, 'AP', 12, '2026-10-30', 'C023', 2890.00, 1890.00),
  (4, 'AP', 14, '2026-12-01', 'C011', 1245.50, 945.50);

-- Remissions. Folio = Factura, the number within the series ("", A or B).
-- FormaPAgo: C credit, E cash. Id 7, remission 155 of C021, was removed: its
-- receivable stays.
INSERT INTO remisiones (Id, Factura, Serie, Folio, Fecha, Vence, Hora, Vendedor, FormaPAgo, Cliente, Saldo, Usuario, SubTotal, Nombre, nota, OtraLlave, Telefono, Domicilio, CP, Colonia, Ciudad, Estado, RFC, Calle, NumExterior, NumInterior, ReferenciaDomic, Localidad, Pais) VALUES
  (1, 151, '', 151, '2026-10-20', '2026-11-04', '10:14:32', 'V01', 'C', 'C001', 0.00, 'V01', 1500.00, 'Abarrotes La Esperanza', '', '', '33 3617 4521', 'Av. Javier Mina 1245, Col. San Juan de Dios', '44360', 'San Juan de Dios', 'Guadalajara', 'Jalisco', 'GUGR680914K21', 'Av. Javier Mina', '1245', '', 'Frente al mercado', 'Guadalajara', 'México'),
  (2, 41, 'A', 41, '2026-10-27', '2026-11-26', '09:48:05', 'V01', 'C', 'C003', 2673.70, 'V01', 2673.70, 'Cremería Los Álamos', 'Entregar por la mañana', '', '33 3825 6610', 'Av. Hidalgo 1870 int. B, Col. Ladrón de Guevara', '44600', 'Ladrón de Guevara', 'Guadalajara', 'Jalisco', 'AALP720611B90', 'Av. Hidalgo', '1870', 'B', 'Entre Marsella y Lerdo de Tejada', 'Guadalajara', 'México'),
  (3, 152, '', 152, '2026-11-03', '2026-11-18', '11:02:47', 'V01', 'C', 'C007', 508.00, 'V01', 1008.00, 'Abarrotes La Peña', '', '', '33 3643 2298', 'Calle Medrano 345, Col. San Andrés', '44810', 'San Andrés', 'Guadalajara', 'Jalisco', 'PERM770403PD6', 'Calle Medrano', '345', '', 'A media cuadra del templo', 'Guadalajara', 'México'),
  (4, 153, '', 153, '2026-11-06', '2026-11-06', '12:30:10', 'V01', 'E', 'C002', 0.00, 'V01', 666.00, 'Miscelánea Don Pepe', '', '', '33 3613 0945', 'Calle Pedro Loza 532, Col. Centro', '44100', 'Centro', 'Guadalajara', 'Jalisco', 'HEMJ550302QT8', 'Calle Pedro Loza', '532', '', '', 'Guadalajara', 'México'),
  (5, 12, 'B', 12, '2026-11-10', '2026-11-25', '13:22:58', 'V03', 'C', 'C019', 1955.40, 'V03', 1955.40, 'Súper Las Juntas', '', '', '33 3601 3385', 'Calle Morelos 1530, Col. Las Juntas', '45590', 'Las Juntas', 'San Pedro Tlaquepaque', 'Jalisco', 'GABB760929PL3', 'Calle Morelos', '1530', '', 'Cerca de la estación del tren', 'San Pedro Tlaquepaque', 'México'),
  (6, 154, '', 154, '2026-11-17', '2026-12-02', '10:05:41', 'V02', 'C', 'C012', 1021.00, 'V02', 1021.00, 'Farmacia y Miscelánea San Judas', '', '', '33 3631 2276', 'Av. Las Águilas 1650, Col. Las Águilas', '45080', 'Las Águilas', 'Zapopan', 'Jalisco', 'RIMC850714DS9', 'Av. Las Águilas', '1650', '', '', 'Zapopan', 'México'),
  (8, 42, 'A', 42, '2026-11-24', '2026-12-09', '15:47:19', 'V04', 'C', 'C025', 2419.80, 'V04', 2419.80, 'Minisúper Chulavista', '', '', '33 3796 5521', 'Av. Chulavista 405, Col. Chulavista', '45653', 'Chulavista', 'Tlajomulco de Zúñiga', 'Jalisco', 'QUEE780830UB6', 'Av. Chulavista', '405', '', 'Local en la glorieta', 'Tlajomulco de Zúñiga', 'México'),
  (9, 156, '', 156, '2026-12-01', '2026-12-08', '11:18:36', 'V04', 'C', 'C024', 1366.00, 'V04', 1366.00, 'Abarrotes Santa Fe', '', '', '33 3796 1150', 'Av. Santa Fe 1200, Col. Hacienda Santa Fe', '45653', 'Hacienda Santa Fe', 'Tlajomulco de Zúñiga', 'Jalisco', 'NAGG830416HX2', 'Av. Santa Fe', '1200', '', '', 'Tlajomulco de Zúñiga', 'México'),
  (10, 43, 'A', 43, '2026-12-02', '2027-01-01', '08:55:02', 'V03', 'C', 'C022', 2096.70, 'V03', 3096.70, 'Birriería El Chivo de Oro', 'Pedido semanal', '', '33 3657 2290', 'Calle Juárez 315, Col. Tlaquepaque Centro', '45500', 'Tlaquepaque Centro', 'San Pedro Tlaquepaque', 'Jalisco', 'CHRR740115MB5', 'Calle Juárez', '315', '', '', 'San Pedro Tlaquepaque', 'México'),
  (11, 157, '', 157, '2026-12-04', '2026-12-04', '12:44:27', 'V03', 'E', 'C017', 0.00, 'V03', 587.00, 'Abarrotes Doña Chelo', '', '', '33 3635 1044', 'Calle Independencia 120, Col. Tlaquepaque Centro', '45500', 'Tlaquepaque Centro', 'San Pedro Tlaquepaque', 'Jalisco', 'AUCC580906RE1', 'Calle Independencia', '120', '', '', 'San Pedro Tlaquepaque', 'México'),
  (12, 13, 'B', 13, '2026-12-05', '2026-12-12', '10:31:14', 'V03', 'C', 'C020', 854.00, 'V03', 854.00, 'Tienda El Sol de Tonalá', '', '', '33 3683 0217', 'Av. Tonaltecas 250, Col. Tonalá Centro', '45400', 'Tonalá Centro', 'Tonalá', 'Jalisco', 'SOHH670512CV8', 'Av. Tonaltecas', '250', '', '', 'Tonalá', 'México'),
  (13, 158, '', 158, '2026-12-07', '2026-12-22', '09:12:50', 'V01', 'C', 'C008', 1514.20, 'V01', 1514.20, 'Restaurante El Fogón de Oblatos', '', '', '33 3637 5540', 'Calz. Independencia Norte 3120, Col. Oblatos', '44700', 'Oblatos', 'Guadalajara', 'Jalisco', 'FOB0903116L2', 'Calz. Independencia Norte', '3120', '', '', 'Guadalajara', 'México'),
  (14, 44, 'A', 44, '2026-12-07', '2026-12-22', '16:20:33', 'V02', 'C', 'C014', 1409.00, 'V02', 1409.00, 'Dulcería La Piñata', '', '', '33 3660 4413', 'Calle Emiliano Zapata 78, Col. Tabachines', '45188', 'Tabachines', 'Zapopan', 'Jalisco', 'BEMK900302AL6', 'Calle Emiliano Zapata', '78', '', '', 'Zapopan', 'México');

-- Remission lines (Id = the remission's Id).
INSERT INTO remisionesdetalle (Id, Partida, Producto, Cantidad, Pedido, PrecioBruto, PrecioNeto, NumeroDePrecio, Descripcion, IVA, ImpuestoAd, Bultos) VALUES
  (1, 1, 'ABA002', 10, 10, 32.00, 32.00, 1, 'Arroz súper extra 1 kg', 0, 0, 0),
  (1, 2, 'ABA006', 24, 24, 21.50, 21.50, 1, 'Atún en agua 140 g', 0, 0, 0),
  (1, 3, 'LIM001', 12, 12, 24.50, 24.50, 1, 'Jabón & Cía barra de lavandería 400 g', 16, 0, 0),
  (1, 4, 'BEB003', 12, 12, 15.00, 15.00, 1, 'Agua purificada 1.5 L', 16, 0, 0),
  (1, 5, 'ABA011', 20, 20, 9.50, 9.50, 1, 'Pasta para sopa fideo 200 g', 0, 0, 0),
  (2, 1, 'LAC002', 6.5, 6.5, 158.40, 158.40, 2, 'Queso Oaxaca', 0, 0, 6.5),
  (2, 2, 'LAC003', 4.25, 4.25, 134.40, 134.40, 2, 'Queso panela', 0, 0, 8.5),
  (2, 3, 'LAC004', 12, 12, 36.50, 36.50, 2, 'Crema ácida 450 ml', 0, 0, 0),
  (2, 4, 'CAR001', 3.5, 3.5, 181.40, 181.40, 2, 'Jamón de pavo', 0, 0, 1),
  (3, 1, 'ABA003', 10, 10, 36.50, 36.50, 2, 'Frijol negro a granel', 0, 0, 0.2),
  (3, 2, 'ABA004', 10, 10, 28.30, 28.30, 2, 'Azúcar estándar a granel', 0, 0, 0.2),
  (3, 3, 'ABA001', 6, 6, 42.70, 42.70, 2, 'Aceite vegetal comestible 1 L', 0, 0, 0),
  (3, 4, 'LIM003', 6, 6, 17.30, 17.30, 2, 'Cloro blanqueador 1 L', 16, 0, 0),
  (4, 1, 'BOT001', 12, 12, 18.00, 18.00, 1, 'Papas fritas con sal 45 g', 16, 8, 0),
  (4, 2, 'BOT002', 12, 12, 16.00, 16.00, 1, 'Cacahuates japoneses 100 g', 16, 8, 0),
  (4, 3, 'DUL002', 12, 12, 14.00, 14.00, 1, 'Chocolate en barra 30 g', 16, 8, 0),
  (4, 4, 'BEB003', 6, 6, 15.00, 15.00, 1, 'Agua purificada 1.5 L', 16, 0, 0),
  (5, 1, 'BEB001', 12, 12, 40.30, 40.30, 2, 'Refresco de cola 2.5 L', 16, 0, 0),
  (5, 2, 'BEB002', 2, 2, 393.60, 393.60, 2, 'Refresco de cola 600 ml caja 24 pzas', 16, 0, 0),
  (5, 3, 'ABA009', 12, 12, 18.20, 18.20, 2, 'Chiles jalapeños en rajas 220 g', 0, 0, 0),
  (5, 4, 'LIM002', 6, 6, 40.30, 40.30, 2, 'Detergente en polvo 1 kg', 16, 0, 0),
  (5, 5, 'HIG001', 12, 12, 18.70, 18.70, 2, 'Jabón de tocador 150 g', 16, 0, 0),
  (6, 1, 'HIG002', 4, 4, 58.00, 58.00, 1, 'Champú para niños 400 ml', 16, 0, 0),
  (6, 2, 'HIG004', 6, 6, 35.00, 35.00, 1, 'Toallas femeninas 10 pzas', 0, 0, 0),
  (6, 3, 'HIG001', 12, 12, 19.50, 19.50, 1, 'Jabón de tocador 150 g', 16, 0, 0),
  (6, 4, 'LIM006', 6, 6, 36.00, 36.00, 1, 'Papel higiénico 4 rollos', 16, 0, 0),
  (6, 5, 'ABA006', 6, 6, 21.50, 21.50, 1, 'Atún en agua 140 g', 0, 0, 0),
  (8, 1, 'BEB002', 3, 3, 393.60, 393.60, 2, 'Refresco de cola 600 ml caja 24 pzas', 16, 0, 0),
  (8, 2, 'BEB003', 24, 24, 14.40, 14.40, 2, 'Agua purificada 1.5 L', 16, 0, 0),
  (8, 3, 'BOT001', 24, 24, 17.30, 17.30, 2, 'Papas fritas con sal 45 g', 16, 8, 0),
  (8, 4, 'LIM004', 6, 6, 26.90, 26.90, 2, 'Limpiador multiusos lavanda 1 L', 16, 0, 0),
  (8, 5, 'LAC001', 12, 12, 26.40, 26.40, 2, 'Leche entera 1 L', 0, 0, 0),
  (9, 1, 'ABA001', 6, 6, 44.50, 44.50, 1, 'Aceite vegetal comestible 1 L', 0, 0, 0),
  (9, 2, 'ABA005', 10, 10, 24.00, 24.00, 1, 'Harina de trigo 1 kg', 0, 0, 0),
  (9, 3, 'ABA012', 6, 6, 45.00, 45.00, 1, 'Piña en almíbar 800 g', 0, 0, 0),
  (9, 4, 'ABA013', 6, 6, 26.00, 26.00, 1, 'Consomé de pollo 12 cubos', 0, 0, 0),
  (9, 5, 'LIM007', 12, 12, 12.00, 12.00, 1, 'Fibra verde para trastes', 16, 0, 0),
  (9, 6, 'HIG003', 1, 1, 289.00, 289.00, 1, 'Pañales etapa 3 40 pzas', 16, 0, 0),
  (10, 1, 'ABA003', 25, 25, 36.50, 36.50, 2, 'Frijol negro a granel', 0, 0, 0.5),
  (10, 2, 'BEB001', 24, 24, 40.30, 40.30, 2, 'Refresco de cola 2.5 L', 16, 0, 0),
  (10, 3, 'LAC002', 4, 4, 158.40, 158.40, 2, 'Queso Oaxaca', 0, 0, 4),
  (10, 4, 'ABA009', 12, 12, 18.20, 18.20, 2, 'Chiles jalapeños en rajas 220 g', 0, 0, 0),
  (10, 5, 'BEB004', 10, 10, 36.50, 36.50, 2, 'Agua purificada garrafón 20 L', 0, 0, 0),
  (11, 1, 'LAC001', 12, 12, 27.50, 27.50, 1, 'Leche entera 1 L', 0, 0, 0),
  (11, 2, 'ABA002', 4, 4, 32.00, 32.00, 1, 'Arroz súper extra 1 kg', 0, 0, 0),
  (11, 3, 'ABA006', 6, 6, 21.50, 21.50, 1, 'Atún en agua 140 g', 0, 0, 0),
  (12, 1, 'LIM001', 12, 12, 24.50, 24.50, 1, 'Jabón & Cía barra de lavandería 400 g', 16, 0, 0),
  (12, 2, 'LIM003', 12, 12, 18.00, 18.00, 1, 'Cloro blanqueador 1 L', 16, 0, 0),
  (12, 3, 'ABA011', 24, 24, 9.50, 9.50, 1, 'Pasta para sopa fideo 200 g', 0, 0, 0),
  (12, 4, 'DUL001', 2, 2, 58.00, 58.00, 1, 'Paleta de caramelo enchilada 40 pzas', 16, 8, 0),
  (13, 1, 'CAR003', 2.5, 2.5, 129.60, 129.60, 2, 'Chorizo de cerdo', 0, 0, 5),
  (13, 2, 'LAC004', 6, 6, 36.50, 36.50, 2, 'Crema ácida 450 ml', 0, 0, 0),
  (13, 3, 'ABA001', 4, 4, 42.70, 42.70, 2, 'Aceite vegetal comestible 1 L', 0, 0, 0),
  (13, 4, 'BEB001', 12, 12, 40.30, 40.30, 2, 'Refresco de cola 2.5 L', 16, 0, 0),
  (13, 5, 'LAC002', 2, 2, 158.40, 158.40, 2, 'Queso Oaxaca', 0, 0, 2),
  (14, 1, 'DUL001', 10, 10, 53.90, 53.90, 3, 'Paleta de caramelo enchilada 40 pzas', 16, 8, 0),
  (14, 2, 'DUL002', 24, 24, 13.00, 13.00, 3, 'Chocolate en barra 30 g', 16, 8, 0),
  (14, 3, 'BOT002', 24, 24, 14.90, 14.90, 3, 'Cacahuates japoneses 100 g', 16, 8, 0),
  (14, 4, 'BOT001', 12, 12, 16.70, 16.70, 3, 'Papas fritas con sal 45 g', 16, 8, 0);

-- Orders. Afectada 1: already supplied; the others reserve stock (PorVender).
INSERT INTO pedidos (Id, Factura, Serie, Folio, Fecha, Vence, Hora, Vendedor, Cliente, Usuario, SubTotal, Nombre, nota, OtraLlave, Telefono, Domicilio, CP, Colonia, Ciudad, Estado, RFC, Calle, NumExterior, NumInterior, ReferenciaDomic, Localidad, Pais, EstatusWMS, Afectada) VALUES
  (1, 300, '', 300, '2026-11-20', '2026-11-20', '11:30:12', 'V04', 'C027', 'V04', 2391.90, 'Comedor Industrial El Castillo', '', '', '33 3284 7700', 'Carretera a El Castillo km 2.5, Col. El Castillo', '45680', 'El Castillo', 'El Salto', 'Jalisco', 'CIC1403277H9', 'Carretera a El Castillo', 'km 2.5', '', 'Dentro de la planta, caseta 3', 'El Salto', 'México', 3, 1),
  (2, 301, '', 301, '2026-12-04', '2026-12-04', '09:02:44', 'V02', 'C009', 'V02', 2510.40, 'Minisúper Chapalita', '', '', '33 3121 4455', 'Av. Guadalupe 1080 int. 4, Col. Chapalita', '45040', 'Chapalita', 'Zapopan', 'Jalisco', 'VISS690825NB1', 'Av. Guadalupe', '1080', '4', 'Local 4 de la plaza', 'Zapopan', 'México', 3, 0),
  (3, 18, 'A', 18, '2026-12-05', '2026-12-05', '10:47:08', 'V02', 'C013', 'V02', 4500.40, 'Comercializadora Arboledas, S.A. de C.V.', '', '', '33 3110 5600', 'Av. Aviación 4120 int. Bodega 7, Col. San Juan de Ocotán', '45019', 'San Juan de Ocotán', 'Zapopan', 'Jalisco', 'CAR1206148U7', 'Av. Aviación', '4120', 'Bodega 7', 'Parque industrial, acceso 2', 'Zapopan', 'México', 3, 0),
  (4, 302, '', 302, '2026-12-07', '2026-12-07', '15:33:51', 'V04', 'C030', 'V04', 3009.00, 'Distribuidora del Valle de Cajititlán', '', '', '33 3763 0450', 'Calle Ramón Corona 15, Col. Cajititlán', '45670', 'Cajititlán', 'Tlajomulco de Zúñiga', 'Jalisco', 'DVC1109197A5', 'Calle Ramón Corona', '15', '', 'Bodega junto al malecón', 'Tlajomulco de Zúñiga', 'México', 3, 0);

-- Order lines (Id = the order's Id).
INSERT INTO pedidosdetalle (Id, Partida, Producto, Cantidad, Pedido, PrecioBruto, PrecioNeto, NumeroDePrecio, Descripcion, IVA, ImpuestoAd, Bultos) VALUES
  (1, 1, 'LAC001', 48, 48, 23.40, 23.40, 4, 'Leche entera 1 L', 0, 0, 0),
  (1, 2, 'ABA003', 25, 25, 31.50, 31.50, 4, 'Frijol negro a granel', 0, 0, 0.5),
  (1, 3, 'ABA001', 12, 12, 40.10, 40.10, 4, 'Aceite vegetal comestible 1 L', 0, 0, 0),
  (2, 1, 'BEB001', 24, 24, 40.30, 40.30, 2, 'Refresco de cola 2.5 L', 16, 0, 0),
  (2, 2, 'LAC001', 24, 24, 26.40, 26.40, 2, 'Leche entera 1 L', 0, 0, 0),
  (2, 3, 'ABA006', 24, 24, 20.60, 20.60, 2, 'Atún en agua 140 g', 0, 0, 0),
  (2, 4, 'LIM006', 12, 12, 34.60, 34.60, 2, 'Papel higiénico 4 rollos', 16, 0, 0),
  (3, 1, 'ABA004', 50, 50, 24.80, 24.80, 5, 'Azúcar estándar a granel', 0, 0, 1),
  (3, 2, 'LIM002', 24, 24, 34.50, 34.50, 5, 'Detergente en polvo 1 kg', 16, 0, 0),
  (3, 3, 'BEB002', 4, 4, 356.70, 356.70, 5, 'Refresco de cola 600 ml caja 24 pzas', 16, 0, 0),
  (3, 4, 'HIG003', 4, 4, 251.40, 251.40, 5, 'Pañales etapa 3 40 pzas', 16, 0, 0),
  (4, 1, 'BEB004', 30, 30, 31.00, 31.00, 5, 'Agua purificada garrafón 20 L', 0, 0, 0),
  (4, 2, 'ABA002', 40, 40, 27.80, 27.80, 5, 'Arroz súper extra 1 kg', 0, 0, 0),
  (4, 3, 'CAR002', 6, 6, 77.40, 77.40, 5, 'Salchicha de pavo 1 kg', 0, 0, 0),
  (4, 4, 'LAC002', 3.5, 3.5, 143.60, 143.60, 5, 'Queso Oaxaca', 0, 0, 3.5);

-- Point-of-sale tickets (Venta = ticket number). Credit tickets carry no payment;
-- their charges are in the statement below.
INSERT INTO tickets (Id, Venta, Fecha, Hora, Vendedor, Cliente, Usuario, total, Partidas, Efectivo, TC) VALUES
  (1, 4501, '2026-11-09', '10:41', 'V01', 'C004', 'V01', 1065.00, 5, 0.00, 0.00),
  (2, 4502, '2026-11-21', '13:05', 'V02', 'C010', 'V02', 500.00, 3, 500.00, 0.00),
  (3, 4503, '2026-11-28', '08:37', 'V02', 'C016', 'V02', 1555.50, 4, 0.00, 0.00),
  (4, 4504, '2026-12-03', '12:18', 'V04', 'C028', 'V04', 1903.50, 4, 0.00, 0.00),
  (5, 4505, '2026-12-06', '17:52', 'V04', 'C026', 'V04', 561.00, 3, 0.00, 561.00);

-- Ticket lines (IdTicket = the ticket's Id).
INSERT INTO ticketsdetalle (Venta, Partida, Fecha, Hora, Producto, Cantidad, Precio, NumeroDePrecio, Usuario, Descrip, CostoProm, Precio1, IVA, Adicional, IdTicket) VALUES
  (4501, 1, '2026-11-09', '10:41', 'ABA002', 6, 32.00, 1, 'V01', 'Arroz súper extra 1 kg', 23.0400, 32.00, 0, 0, 1),
  (4501, 2, '2026-11-09', '10:41', 'ABA005', 6, 24.00, 1, 'V01', 'Harina de trigo 1 kg', 16.8000, 24.00, 0, 0, 1),
  (4501, 3, '2026-11-09', '10:41', 'LAC001', 12, 27.50, 1, 'V01', 'Leche entera 1 L', 20.5942, 27.50, 0, 0, 1),
  (4501, 4, '2026-11-09', '10:41', 'LIM001', 6, 24.50, 1, 'V01', 'Jabón & Cía barra de lavandería 400 g', 18.8434, 24.50, 16, 0, 1),
  (4501, 5, '2026-11-09', '10:41', 'BEB001', 6, 42.00, 1, 'V01', 'Refresco de cola 2.5 L', 30.6138, 42.00, 16, 0, 1),
  (4502, 1, '2026-11-21', '13:05', 'BEB003', 12, 15.00, 1, 'V02', 'Agua purificada 1.5 L', 10.6260, 15.00, 16, 0, 2),
  (4502, 2, '2026-11-21', '13:05', 'BOT001', 10, 18.00, 1, 'V02', 'Papas fritas con sal 45 g', 13.8442, 18.00, 16, 8, 2),
  (4502, 3, '2026-11-21', '13:05', 'DUL002', 10, 14.00, 1, 'V02', 'Chocolate en barra 30 g', 10.4804, 14.00, 16, 8, 2),
  (4503, 1, '2026-11-28', '08:37', 'ABA008', 3, 113.30, 2, 'V02', 'Café soluble clásico 200 g', 89.6800, 118.00, 0, 0, 3),
  (4503, 2, '2026-11-28', '08:37', 'LAC001', 24, 26.40, 2, 'V02', 'Leche entera 1 L', 20.5942, 27.50, 0, 0, 3),
  (4503, 3, '2026-11-28', '08:37', 'ABA017', 6, 37.40, 2, 'V02', 'Galletas de avena 400 g', 27.3000, 39.00, 0, 8, 3),
  (4503, 4, '2026-11-28', '08:37', 'BEB005', 12, 29.80, 2, 'V02', 'Jugo de naranja 1 L', 22.9400, 31.00, 0, 0, 3),
  (4504, 1, '2026-12-03', '12:18', 'ABA004', 25, 29.50, 1, 'V04', 'Azúcar estándar a granel', 22.0837, 29.50, 0, 0, 4),
  (4504, 2, '2026-12-03', '12:18', 'ABA003', 10, 38.00, 1, 'V04', 'Frijol negro a granel', 28.4574, 38.00, 0, 0, 4),
  (4504, 3, '2026-12-03', '12:18', 'ABA001', 12, 44.50, 1, 'V04', 'Aceite vegetal comestible 1 L', 30.6828, 44.50, 0, 0, 4),
  (4504, 4, '2026-12-03', '12:18', 'LIM002', 6, 42.00, 1, 'V04', 'Detergente en polvo 1 kg', 28.9590, 42.00, 16, 0, 4),
  (4505, 1, '2026-12-06', '17:52', 'BEB001', 6, 42.00, 1, 'V04', 'Refresco de cola 2.5 L', 30.6138, 42.00, 16, 0, 5),
  (4505, 2, '2026-12-06', '17:52', 'BOT002', 12, 16.00, 1, 'V04', 'Cacahuates japoneses 100 g', 11.0320, 16.00, 16, 8, 5),
  (4505, 3, '2026-12-06', '17:52', 'HIG001', 6, 19.50, 1, 'V04', 'Jabón de tocador 150 g', 14.8200, 19.50, 16, 0, 5);

-- Customer account statement. Id is the entry number (counter Foliote), Folio
-- the movement folio (counter Movimiento); a cash sale's payment shares the
-- folio of its charge. Saldo is the customer's running balance.
INSERT INTO edoctacli (AutoInc, Id, Folio, Fecha, Hora, Clave, CantidadCargo, CantidadPago, Concepto, MontoTotal, FechaDePago, Efectivo, FPago2, FPago3, FPago4, Saldo) VALUES
  (1, 2101, 5001, '2026-09-19', '17:20', 'C015', 3450.00, 0.00, 'CARGO APARTADO AP 11', 3450.00, '2026-09-19', 0.00, 0.00, 0.00, 0.00, 3450.00),
  (2, 2102, 5002, '2026-09-19', '17:25', 'C015', 0.00, 1000.00, 'ABONO APARTADO AP 11', 1000.00, '2026-09-19', 1000.00, 0.00, 0.00, 0.00, 2450.00),
  (3, 2103, 5003, '2026-10-14', '10:12', 'C005', 8742.60, 0.00, 'CARGO FACTURA F 1021', 8742.60, '2026-10-14', 0.00, 0.00, 0.00, 0.00, 8742.60),
  (4, 2104, 5004, '2026-10-15', '13:10', 'C015', 0.00, 1450.00, 'ABONO APARTADO AP 11', 1450.00, '2026-10-15', 1450.00, 0.00, 0.00, 0.00, 1000.00),
  (5, 2105, 5005, '2026-10-20', '10:14', 'C001', 1500.00, 0.00, 'CARGO REMISION 151', 1500.00, '2026-10-20', 0.00, 0.00, 0.00, 0.00, 1500.00),
  (6, 2106, 5006, '2026-10-27', '09:48', 'C003', 2673.70, 0.00, 'CARGO REMISION A 41', 2673.70, '2026-10-27', 0.00, 0.00, 0.00, 0.00, 2673.70),
  (7, 2107, 5007, '2026-10-28', '12:00', 'C015', 0.00, 1000.00, 'ABONO APARTADO AP 11', 1000.00, '2026-10-28', 0.00, 1000.00, 0.00, 0.00, 0.00),
  (8, 2108, 5008, '2026-10-28', '12:40', 'C013', 15380.00, 0.00, 'CARGO FACTURA F 1022', 15380.00, '2026-10-28', 0.00, 0.00, 0.00, 0.00, 15380.00),
  (9, 2109, 5009, '2026-10-30', '11:45', 'C023', 2890.00, 0.00, 'CARGO APARTADO AP 12', 2890.00, '2026-10-30', 0.00, 0.00, 0.00, 0.00, 2890.00),
  (10, 2110, 5010, '2026-10-30', '11:50', 'C023', 0.00, 1000.00, 'ABONO APARTADO AP 12', 1000.00, '2026-10-30', 1000.00, 0.00, 0.00, 0.00, 1890.00),
  (11, 2111, 5011, '2026-11-03', '11:02', 'C007', 1008.00, 0.00, 'CARGO REMISION 152', 1008.00, '2026-11-03', 0.00, 0.00, 0.00, 0.00, 1008.00),
  (12, 2112, 5012, '2026-11-04', '09:30', 'C001', 0.00, 1500.00, 'PAGO REMISION 151', 1500.00, '2026-11-04', 1500.00, 0.00, 0.00, 0.00, 0.00),
  (13, 2113, 5013, '2026-11-05', '09:25', 'C027', 4215.80, 0.00, 'CARGO FACTURA F 1023', 4215.80, '2026-11-05', 0.00, 0.00, 0.00, 0.00, 4215.80),
  (14, 2114, 5014, '2026-11-06', '12:30', 'C002', 666.00, 0.00, 'CARGO REMISION 153', 666.00, '2026-11-06', 0.00, 0.00, 0.00, 0.00, 666.00),
  (15, 2115, 5014, '2026-11-06', '12:30', 'C002', 0.00, 666.00, 'PAGO REMISION 153', 666.00, '2026-11-06', 666.00, 0.00, 0.00, 0.00, 0.00),
  (16, 2116, 5015, '2026-11-09', '10:41', 'C004', 1065.00, 0.00, 'CARGO TICKET 4501', 1065.00, '2026-11-09', 0.00, 0.00, 0.00, 0.00, 1065.00),
  (17, 2117, 5016, '2026-11-10', '13:22', 'C019', 1955.40, 0.00, 'CARGO REMISION B 12', 1955.40, '2026-11-10', 0.00, 0.00, 0.00, 0.00, 1955.40),
  (18, 2118, 5017, '2026-11-12', '11:05', 'C030', 12906.40, 0.00, 'CARGO FACTURA F 1024', 12906.40, '2026-11-12', 0.00, 0.00, 0.00, 0.00, 12906.40),
  (19, 2119, 5018, '2026-11-13', '11:20', 'C005', 0.00, 5000.00, 'PAGO FACTURA F 1021', 5000.00, '2026-11-13', 0.00, 0.00, 5000.00, 0.00, 3742.60),
  (20, 2120, 5019, '2026-11-17', '10:05', 'C012', 1021.00, 0.00, 'CARGO REMISION 154', 1021.00, '2026-11-17', 0.00, 0.00, 0.00, 0.00, 1021.00),
  (21, 2121, 5020, '2026-11-17', '10:45', 'C007', 0.00, 500.00, 'PAGO REMISION 152', 500.00, '2026-11-17', 500.00, 0.00, 0.00, 0.00, 508.00),
  (22, 2122, 5021, '2026-11-18', '12:10', 'C006', 1560.00, 0.00, 'CARGO APARTADO AP 13', 1560.00, '2026-11-18', 0.00, 0.00, 0.00, 0.00, 1560.00),
  (23, 2123, 5022, '2026-11-18', '12:15', 'C006', 0.00, 400.00, 'ABONO APARTADO AP 13', 400.00, '2026-11-18', 400.00, 0.00, 0.00, 0.00, 1160.00),
  (24, 2124, 5023, '2026-11-20', '09:40', 'C021', 1487.00, 0.00, 'CARGO REMISION 155', 1487.00, '2026-11-20', 0.00, 0.00, 0.00, 0.00, 1487.00),
  (25, 2125, 5024, '2026-11-20', '16:05', 'C009', 1250.00, 0.00, 'CARGO POR CHEQUE DEVUELTO No. 0004512', 1250.00, '2026-11-20', 0.00, 0.00, 0.00, 0.00, 1250.00),
  (26, 2126, 5025, '2026-11-24', '15:47', 'C025', 2419.80, 0.00, 'CARGO REMISION A 42', 2419.80, '2026-11-24', 0.00, 0.00, 0.00, 0.00, 2419.80),
  (27, 2127, 5026, '2026-11-25', '10:05', 'C013', 0.00, 15380.00, 'PAGO FACTURA F 1022', 15380.00, '2026-11-25', 0.00, 0.00, 15380.00, 0.00, 0.00),
  (28, 2128, 5027, '2026-11-26', '16:30', 'C009', 2318.00, 0.00, 'CARGO FACTURA F 1025', 2318.00, '2026-11-26', 0.00, 0.00, 0.00, 0.00, 3568.00),
  (29, 2129, 5028, '2026-11-28', '08:37', 'C016', 1555.50, 0.00, 'CARGO TICKET 4503', 1555.50, '2026-11-28', 0.00, 0.00, 0.00, 0.00, 1555.50),
  (30, 2130, 5029, '2026-11-30', '11:15', 'C004', 0.00, 200.00, 'ABONO TICKET 4501', 200.00, '2026-11-30', 200.00, 0.00, 0.00, 0.00, 865.00),
  (31, 2131, 5030, '2026-12-01', '10:35', 'C011', 1245.50, 0.00, 'CARGO APARTADO AP 14', 1245.50, '2026-12-01', 0.00, 0.00, 0.00, 0.00, 1245.50),
  (32, 2132, 5031, '2026-12-01', '10:40', 'C011', 0.00, 300.00, 'ABONO APARTADO AP 14', 300.00, '2026-12-01', 300.00, 0.00, 0.00, 0.00, 945.50),
  (33, 2133, 5032, '2026-12-01', '11:18', 'C024', 1366.00, 0.00, 'CARGO REMISION 156', 1366.00, '2026-12-01', 0.00, 0.00, 0.00, 0.00, 1366.00),
  (34, 2134, 5033, '2026-12-02', '08:55', 'C022', 3096.70, 0.00, 'CARGO REMISION A 43', 3096.70, '2026-12-02', 0.00, 0.00, 0.00, 0.00, 3096.70),
  (35, 2135, 5034, '2026-12-03', '12:18', 'C028', 1903.50, 0.00, 'CARGO TICKET 4504', 1903.50, '2026-12-03', 0.00, 0.00, 0.00, 0.00, 1903.50),
  (36, 2136, 5035, '2026-12-03', '13:15', 'C029', 5604.75, 0.00, 'CARGO FACTURA F 1026', 5604.75, '2026-12-03', 0.00, 0.00, 0.00, 0.00, 5604.75),
  (37, 2137, 5036, '2026-12-04', '12:44', 'C017', 587.00, 0.00, 'CARGO REMISION 157', 587.00, '2026-12-04', 0.00, 0.00, 0.00, 0.00, 587.00),
  (38, 2138, 5036, '2026-12-04', '12:44', 'C017', 0.00, 587.00, 'PAGO REMISION 157', 587.00, '2026-12-04', 587.00, 0.00, 0.00, 0.00, 0.00),
  (39, 2139, 5037, '2026-12-05', '10:31', 'C020', 854.00, 0.00, 'CARGO REMISION B 13', 854.00, '2026-12-05', 0.00, 0.00, 0.00, 0.00, 854.00),
  (40, 2140, 5038, '2026-12-05', '12:50', 'C029', 0.00, 1000.00, 'PAGO FACTURA F 1026', 1000.00, '2026-12-05', 0.00, 0.00, 0.00, 1000.00, 4604.75),
  (41, 2141, 5039, '2026-12-07', '09:12', 'C008', 1514.20, 0.00, 'CARGO REMISION 158', 1514.20, '2026-12-07', 0.00, 0.00, 0.00, 0.00, 1514.20),
  (42, 2142, 5040, '2026-12-07', '13:40', 'C022', 0.00, 1000.00, 'PAGO REMISION A 43', 1000.00, '2026-12-07', 1000.00, 0.00, 0.00, 0.00, 2096.70),
  (43, 2143, 5041, '2026-12-07', '16:20', 'C014', 1409.00, 0.00, 'CARGO REMISION A 44', 1409.00, '2026-12-07', 0.00, 0.00, 0.00, 0.00, 1409.00);

-- Paid documents: one row per document and payment (FolioDelPago = the payment's
-- movement folio; Cargo holds the charge's movement folio).
INSERT INTO anexopagosctes (FolioDelPago, Cantidad, CantidadReal, Factura, Remision, Apartado, Cargo, FechaReal, Hora, FechaAplicacion, SaldoAnterior) VALUES
  (5002, 1000.00, 1000.00, 0, 0, 1, 0, '2026-09-19', '17:25', '2026-09-19', 3450.00),
  (5004, 1450.00, 1450.00, 0, 0, 1, 0, '2026-10-15', '13:10', '2026-10-15', 2450.00),
  (5007, 1000.00, 1000.00, 0, 0, 1, 0, '2026-10-28', '12:00', '2026-10-28', 1000.00),
  (5010, 1000.00, 1000.00, 0, 0, 2, 0, '2026-10-30', '11:50', '2026-10-30', 2890.00),
  (5012, 1500.00, 1500.00, 0, 1, 0, 0, '2026-11-04', '09:30', '2026-11-04', 1500.00),
  (5014, 666.00, 666.00, 0, 4, 0, 0, '2026-11-06', '12:30', '2026-11-06', 666.00),
  (5018, 5000.00, 5000.00, 1, 0, 0, 0, '2026-11-13', '11:20', '2026-11-13', 8742.60),
  (5020, 500.00, 500.00, 0, 3, 0, 0, '2026-11-17', '10:45', '2026-11-17', 1008.00),
  (5022, 400.00, 400.00, 0, 0, 3, 0, '2026-11-18', '12:15', '2026-11-18', 1560.00),
  (5026, 15380.00, 15380.00, 2, 0, 0, 0, '2026-11-25', '10:05', '2026-11-25', 15380.00),
  (5029, 200.00, 200.00, 0, 0, 0, 5015, '2026-11-30', '11:15', '2026-11-30', 1065.00),
  (5031, 300.00, 300.00, 0, 0, 4, 0, '2026-12-01', '10:40', '2026-12-01', 1245.50),
  (5036, 587.00, 587.00, 0, 11, 0, 0, '2026-12-04', '12:44', '2026-12-04', 587.00),
  (5038, 1000.00, 1000.00, 6, 0, 0, 0, '2026-12-05', '12:50', '2026-12-05', 5604.75),
  (5040, 1000.00, 1000.00, 0, 10, 0, 0, '2026-12-07', '13:40', '2026-12-07', 3096.70);

-- Balances per customer, as the statement above adds up.
INSERT INTO saldoscli (Clave, Cargos, Abonos, Saldo, UltimoMovimiento) VALUES
  ('C001', 1500.00, 1500.00, 0.00, '2026-11-04'),
  ('C002', 666.00, 666.00, 0.00, '2026-11-06'),
  ('C003', 2673.70, 0.00, 2673.70, '2026-10-27'),
  ('C004', 1065.00, 200.00, 865.00, '2026-11-30'),
  ('C005', 8742.60, 5000.00, 3742.60, '2026-11-13'),
  ('C006', 1560.00, 400.00, 1160.00, '2026-11-18'),
  ('C007', 1008.00, 500.00, 508.00, '2026-11-17'),
  ('C008', 1514.20, 0.00, 1514.20, '2026-12-07'),
  ('C009', 3568.00, 0.00, 3568.00, '2026-11-26'),
  ('C011', 1245.50, 300.00, 945.50, '2026-12-01'),
  ('C012', 1021.00, 0.00, 1021.00, '2026-11-17'),
  ('C013', 15380.00, 15380.00, 0.00, '2026-11-25'),
  ('C014', 1409.00, 0.00, 1409.00, '2026-12-07'),
  ('C015', 3450.00, 3450.00, 0.00, '2026-10-28'),
  ('C016', 1555.50, 0.00, 1555.50, '2026-11-28'),
  ('C017', 587.00, 587.00, 0.00, '2026-12-04'),
  ('C019', 1955.40, 0.00, 1955.40, '2026-11-10'),
  ('C020', 854.00, 0.00, 854.00, '2026-12-05'),
  ('C021', 1487.00, 0.00, 1487.00, '2026-11-20'),
  ('C022', 3096.70, 1000.00, 2096.70, '2026-12-07'),
  ('C023', 2890.00, 1000.00, 1890.00, '2026-10-30'),
  ('C024', 1366.00, 0.00, 1366.00, '2026-12-01'),
  ('C025', 2419.80, 0.00, 2419.80, '2026-11-24'),
  ('C027', 4215.80, 0.00, 4215.80, '2026-11-05'),
  ('C028', 1903.50, 0.00, 1903.50, '2026-12-03'),
  ('C029', 5604.75, 1000.00, 4604.75, '2026-12-05'),
  ('C030', 12906.40, 0.00, 12906.40, '2026-11-12');

-- Open receivables. Tipo F invoice, R remission, A layaway (Numero = the document's
-- Id), C charge (Numero = the movement folio of the statement charge).
-- Missing documents, on purpose: cxc Id 6 (F, invoice Id 3), Id 12 (R, remission Id 7),
-- Id 11 (A, layaway Id 3) and Id 2 (C, folio 4990: no statement charge; C018 has no
-- statement rows, so its 420.00 is not in saldoscli).
INSERT INTO cxc (Id, Clave, Tipo, Numero, Vencimiento, Saldo, numpago) VALUES
  (1, 'C005', 'F', 1, '2026-11-13', 3742.60, 1),
  (2, 'C018', 'C', 4990, '2026-10-31', 420.00, 1),
  (3, 'C003', 'R', 2, '2026-11-26', 2673.70, 1),
  (4, 'C023', 'A', 2, '2026-11-29', 1890.00, 1),
  (5, 'C007', 'R', 3, '2026-11-18', 508.00, 1),
  (6, 'C027', 'F', 3, '2026-12-05', 4215.80, 1),
  (7, 'C004', 'C', 5015, '2026-11-16', 865.00, 1),
  (8, 'C019', 'R', 5, '2026-11-25', 1955.40, 1),
  (9, 'C030', 'F', 4, '2026-12-12', 12906.40, 1),
  (10, 'C012', 'R', 6, '2026-12-02', 1021.00, 1),
  (11, 'C006', 'A', 3, '2026-12-18', 1160.00, 1),
  (12, 'C021', 'R', 7, '2026-12-05', 1487.00, 1),
  (13, 'C009', 'C', 5024, '2026-11-27', 1250.00, 1),
  (14, 'C025', 'R', 8, '2026-12-09', 2419.80, 1),
  (15, 'C009', 'F', 5, '2026-12-26', 2318.00, 1),
  (16, 'C016', 'C', 5028, '2026-12-05', 1555.50, 1),
  (17, 'C011', 'A', 4, '2026-12-31', 945.50, 1),
  (18, 'C024', 'R', 9, '2026-12-08', 1366.00, 1),
  (19, 'C022', 'R', 10, '2027-01-01', 2096.70, 1),
  (20, 'C028', 'C', 5034, '2026-12-18', 1903.50, 1),
  (21, 'C029', 'F', 6, '2027-01-02', 4604.75, 1),
  (22, 'C020', 'R', 12, '2026-12-12', 854.00, 1),
  (23, 'C008', 'R', 13, '2026-12-22', 1514.20, 1),
  (24, 'C014', 'R', 14, '2026-12-22', 1409.00, 1);

-- Users. Usuario, Codigo and Modulos1..3 are hexadecimal: the plain bytes XOR the
-- row's AlE repeated. The rights string (555 characters, Modulos1 + Modulos2 +
-- Modulos3, 185 each, each part enciphered on its own) has "S" at each granted
-- module; Id 1 gets every right whatever its string says.
INSERT INTO usuarios (Id, Usuario, Codigo, AlE, Modulos1, Modulos2, Modulos3, Nombre) VALUES
  (1, '2F541F1F4D', '2F541F1F4D', 'N0rv#84k', '007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A2500', '007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A2500', '007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A25007E3C386D767A2500', 'Administrador'),
  (2, '075222094456350A08', '40057F59', 'q7Lm!2Zx9', '3F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F', '3F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F', '3F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C1436773F7902236F7C14366A226402236F', 'Juan Carlos Méndez Ruiz'),
  (3, '37045A57023C200A', '645B0414', 'Tk4$wP', '1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A39', '1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A39', '1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A391E1A257A6A39', 'Consulta general');

-- Counters (last number used) and system values. A series is offered when its
-- flag row ("RE+A-" or "PE+A-" + series) is true: series B of remissions is not.
INSERT INTO sistema (Dato, Contenido) VALUES
  ('Foliote', '2146'),
  ('Movimiento', '5043'),
  ('PE-', '303'),
  ('PE-A', '19'),
  ('PE+A-A', '1'),
  ('RE-', '160'),
  ('RE-A', '45'),
  ('RE+A-A', '1'),
  ('RE-B', '14'),
  ('RE+A-B', '0'),
  ('TRASPASO', '7'),
  ('Venta', '4506');

-- Point-of-sale settings. FDPEVACDPDV: the payment form (1..8) whose amount a cash
-- sale is paid with. FPAGO1..8: payment form names, empty when unused.
INSERT INTO configura (Dato, Contenido) VALUES
  ('FDPEVACDPDV', '1'),
  ('FPAGO1', 'Efectivo'),
  ('FPAGO2', 'Tarjeta de crédito'),
  ('FPAGO3', 'Transferencia'),
  ('FPAGO4', 'Cheque'),
  ('FPAGO5', ''),
  ('FPAGO6', ''),
  ('FPAGO7', ''),
  ('FPAGO8', ''),
  ('SalenTodosEnLista', '0');
