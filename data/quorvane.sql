-- Identity of the variant game's database.
INSERT INTO SETUP (DATABASEDESC, GAMETYPE, GAMENO, DateRow, MDBVers)
VALUES ('QVR game 1', 'QVR', 1, '2026-01-01T00:00:00', 6);
