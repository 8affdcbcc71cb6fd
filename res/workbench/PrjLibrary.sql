-- The workbench project database that the tag export fills (ISaGRAF_Org/tag_project/tag_project/PrjLibrary.mdb).
-- The build turns this text into the SQLite file shipped beside the program; the export copies the
-- folder into the user's export folder and writes its tags there. Table and column names are the
-- workbench's own; the 18 I/O devices are the ones the export assigns its tags to, with no channels yet.
CREATE TABLE [I/O device] (RefDevice INTEGER PRIMARY KEY, Name TEXT, NbMinChannel INTEGER, NbMaxChannel INTEGER);
CREATE TABLE [Instance of device] (RefInstance INTEGER PRIMARY KEY, RefDevice INTEGER, NbOfChannels INTEGER);
CREATE TABLE Symbols (RefSymbols INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL, RefVarInstance INTEGER,
  RefResourcePOU INTEGER, CRCInitValueDim INTEGER, CRCInitValueType INTEGER, Wiring TEXT, RefDefType INTEGER,
  StringSize INTEGER, RefAttribute INTEGER, RefDirection INTEGER, [Order] INTEGER, SingleTextLine TEXT);
CREATE TABLE [I/O Symbols] (RefSymbols INTEGER, RefInstance INTEGER, RefDevice INTEGER, Gainaf INTEGER,
  Gainbf INTEGER, PhysicalOrder INTEGER, ComplexWiring TEXT, [Order] INTEGER);
CREATE TABLE [OEM Parameter] (RefOemParameter INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL,
  RefDevice INTEGER, RefFormat INTEGER, [Default] TEXT, RefAccess INTEGER, Number INTEGER, SingleTextLine TEXT);
CREATE TABLE [Instance of Oem Parameters] (RefInstance INTEGER, RefOemParameter INTEGER, Value TEXT);

INSERT INTO [I/O device] VALUES (752, 'Pelandrix %IX0', 0, 0);
INSERT INTO [I/O device] VALUES (743, 'Pelandrix %IB1', 0, 0);
INSERT INTO [I/O device] VALUES (755, 'Pelandrix %IR2', 0, 0);
INSERT INTO [I/O device] VALUES (753, 'Pelandrix %ID3', 0, 0);
INSERT INTO [I/O device] VALUES (758, 'Pelandrix %IW4', 0, 0);
INSERT INTO [I/O device] VALUES (745, 'Pelandrix %IS5', 0, 0);
INSERT INTO [I/O device] VALUES (744, 'Pelandrix %IB6', 0, 0);
INSERT INTO [I/O device] VALUES (756, 'Pelandrix %ID7', 0, 0);
INSERT INTO [I/O device] VALUES (751, 'Pelandrix %IW8', 0, 0);
INSERT INTO [I/O device] VALUES (760, 'Pelandrix %QX9', 0, 0);
INSERT INTO [I/O device] VALUES (750, 'Pelandrix %QB10', 0, 0);
INSERT INTO [I/O device] VALUES (749, 'Pelandrix %QR11', 0, 0);
INSERT INTO [I/O device] VALUES (759, 'Pelandrix %QD12', 0, 0);
INSERT INTO [I/O device] VALUES (748, 'Pelandrix %QW13', 0, 0);
INSERT INTO [I/O device] VALUES (746, 'Pelandrix %QS14', 0, 0);
INSERT INTO [I/O device] VALUES (757, 'Pelandrix %QB15', 0, 0);
INSERT INTO [I/O device] VALUES (747, 'Pelandrix %QD16', 0, 0);
INSERT INTO [I/O device] VALUES (754, 'Pelandrix %QW17', 0, 0);
INSERT INTO [Instance of device] VALUES (1, 752, 0);
INSERT INTO [Instance of device] VALUES (2, 743, 0);
INSERT INTO [Instance of device] VALUES (3, 755, 0);
INSERT INTO [Instance of device] VALUES (4, 753, 0);
INSERT INTO [Instance of device] VALUES (5, 758, 0);
INSERT INTO [Instance of device] VALUES (6, 745, 0);
INSERT INTO [Instance of device] VALUES (7, 744, 0);
INSERT INTO [Instance of device] VALUES (8, 756, 0);
INSERT INTO [Instance of device] VALUES (9, 751, 0);
INSERT INTO [Instance of device] VALUES (10, 760, 0);
INSERT INTO [Instance of device] VALUES (11, 750, 0);
INSERT INTO [Instance of device] VALUES (12, 749, 0);
INSERT INTO [Instance of device] VALUES (13, 759, 0);
INSERT INTO [Instance of device] VALUES (14, 748, 0);
INSERT INTO [Instance of device] VALUES (15, 746, 0);
INSERT INTO [Instance of device] VALUES (16, 757, 0);
INSERT INTO [Instance of device] VALUES (17, 747, 0);
INSERT INTO [Instance of device] VALUES (18, 754, 0);
