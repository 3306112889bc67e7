-- Reference rows shared by both games.

-- Columns 0 to 99, coded "00" to "99".
WITH RECURSIVE col(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM col WHERE n < 99)
INSERT INTO CELLSX (CELLID, CELLORDERX) SELECT n, printf('%02d', n) FROM col;

-- Rows 1 to 100 are the surface, "aa" to "dv" with the second letter running
-- a to z under each first letter; rows 101 to 120 the other worlds, "ea" to "et".
WITH RECURSIVE row(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM row WHERE n < 120)
INSERT INTO CELLSY (CELLID, CELLORDERY)
SELECT n, CASE WHEN n <= 100 THEN char(97 + (n - 1) / 26) || char(97 + (n - 1) % 26)
               ELSE 'e' || char(97 + n - 101) END
FROM row;

INSERT INTO TERRAIN (TERRAINID, TERRAINDESCRIPTION, TERRAINMOVEMENT, TERRAINCOLOR, TERRCODE) VALUES
  (1,  'Forest',    8,  2,  'F'),
  (2,  'Sea Lane',  2,  9,  'S'),
  (3,  'Great Sea', 3,  1,  'O'),
  (4,  'Plain',     7,  10, 'P'),
  (5,  'Desert',    8,  14, 'D'),
  (6,  'Mountain',  10, 6,  'M'),
  (7,  'Swamp',     14, 3,  'W'),
  (8,  'Cloudland', 7,  11, 'C'),
  (9,  'Hades',     7,  12, 'H'),
  (10, 'Faery',     7,  13, 'Y'),
  (11, 'Tunnel',    7,  8,  '100');

INSERT INTO LOCATIONTYPE (LocalTypeid, LocalTypeDescription) VALUES
  (1, 'Port City'),
  (2, 'City');

INSERT INTO INNERTYPES (InnerTypeID, TerrainDescription, ACCEPTINNER) VALUES
  (1,  'Castle',         1),
  (2,  'Tower',          1),
  (3,  'Mine',           1),
  (4,  'Inn',            1),
  (5,  'Temple',         1),
  (6,  'Island',         1),
  (7,  'Galley',         1),
  (8,  'Roundship',      1),
  (9,  'Sewer',          1),
  (10, 'Guild',          0),
  (11, 'Graveyard',      0),
  (12, 'Ring of Stones', 0),
  (13, 'Faery Hill',     0),
  (14, 'Cave',           1),
  (15, 'Lair',           0),
  (16, 'Ruins',          0);

-- Skills: most can be taught in a city (0), the last few only by a master (1).
INSERT INTO SKILLS (SkillNo, SkillNAme, skillmusthave) VALUES
  ('610', 'Combat',        0),
  ('611', 'Swordplay',     0),
  ('612', 'Archery',       0),
  ('620', 'Stealth',       0),
  ('621', 'Hiding',        0),
  ('630', 'Shipcraft',     0),
  ('631', 'Sailing',       0),
  ('640', 'Construction',  0),
  ('641', 'Quarrying',     0),
  ('650', 'Mining',        0),
  ('660', 'Forestry',      0),
  ('661', 'Lumberjacking', 0),
  ('670', 'Ranching',      0),
  ('671', 'Horse training', 0),
  ('680', 'Persuasion',    0),
  ('690', 'Trading',       0),
  ('700', 'Alchemy',       1),
  ('710', 'Magic',         1),
  ('720', 'Necromancy',    1),
  ('730', 'Astrology',     1);

-- Common goods; the report reader adds the ones it has not seen yet.
INSERT INTO ITEMS (ITEMNO, ItemName) VALUES
  ('1',  'gold'),
  ('10', 'peasant'),
  ('11', 'worker'),
  ('12', 'soldier'),
  ('13', 'sailor'),
  ('51', 'wild horse'),
  ('52', 'riding horse'),
  ('53', 'warmount'),
  ('59', 'grain'),
  ('60', 'ox'),
  ('61', 'stone'),
  ('62', 'iron'),
  ('63', 'lumber'),
  ('65', 'rations'),
  ('66', 'fish'),
  ('67', 'wool'),
  ('68', 'wood'),
  ('69', 'leather'),
  ('70', 'pick-axe'),
  ('71', 'longsword'),
  ('72', 'plate armor'),
  ('73', 'crossbow');

INSERT INTO SETTINGS (SETTINGCODE, SettingValue) VALUES
  ('STARTX', '0'),
  ('STARTY', '1');
