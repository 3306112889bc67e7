-- Identity of the main game's database.
INSERT INTO SETUP (DATABASEDESC, GAMETYPE, GAMENO, DateRow, MDBVers)
VALUES ('Arvenna G2', 'G', 2, '2026-01-01T00:00:00', 6);
