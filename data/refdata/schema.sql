-- The reference database db/db.sqlite: one table per CSV file of this folder, filled row by row in file order.
-- Table and column names are the ones the program's statements use; SQLite compares them without regard to case.
-- Text columns compare without regard to letter case. A TypeId that keys one row is the table's integer primary
-- key, so it cannot repeat and a row appended in the tables editor continues the numbering.
-- Columns of a CSV file that are not declared here (notes, comparison values) document the data and are not loaded.

-- Steel tubes of the scaffolds: d, t mm; A cm2; I cm4; W cm3; iOfPole cm; M kg/m.
CREATE TABLE TraitOfPole (
    TypeId INTEGER PRIMARY KEY,
    d REAL NOT NULL,
    t REAL NOT NULL,
    A REAL NOT NULL,
    I REAL NOT NULL,
    W REAL NOT NULL,
    iOfPole REAL NOT NULL,
    M REAL NOT NULL
);

-- Tubes of door frames; column i is the moment of inertia (cm4), iOfpole the radius of gyration (cm), m kg/m.
CREATE TABLE TraitOfPoleOfDoor (
    TypeId INTEGER PRIMARY KEY,
    d REAL NOT NULL,
    t REAL NOT NULL,
    A REAL NOT NULL,
    i REAL NOT NULL,
    iOfpole REAL NOT NULL,
    m REAL NOT NULL
);

-- Dead load of the frame per metre of standing tube gk (kN/m) by rows of poles (TypeId), step h and spacing La (m).
CREATE TABLE ValueOfgk (
    TypeId INTEGER NOT NULL,
    Type TEXT COLLATE NOCASE,
    h REAL NOT NULL,
    La REAL NOT NULL,
    Value REAL NOT NULL
);

-- Stability coefficient phi of axially compressed tubes by whole-number slenderness x.
CREATE TABLE valueOfFyAboutFittings (
    x INTEGER NOT NULL UNIQUE,
    Value REAL NOT NULL
);

-- Effective-length factor mu of the standing tube.
CREATE TABLE CoefficientOfLengthComputedOfPole (
    linecount INTEGER NOT NULL,
    Lb REAL NOT NULL,
    WallLinkerLay INTEGER NOT NULL,
    WallLinkerLayCaption TEXT COLLATE NOCASE,
    Value REAL NOT NULL
);

-- Additional effective-length factors of high formwork supports.
CREATE TABLE k1 (
    h REAL NOT NULL,
    Value REAL NOT NULL
);

CREATE TABLE k2 (
    h REAL NOT NULL,
    Hv REAL NOT NULL,
    Value REAL NOT NULL
);

-- Concrete grades: fc and ft in N/mm2.
CREATE TABLE ValueOffcm (
    TypeId INTEGER PRIMARY KEY,
    Type TEXT NOT NULL COLLATE NOCASE,
    fc REAL NOT NULL,
    ft REAL NOT NULL
);

-- Design strength of ordinary reinforcement (N/mm2).
CREATE TABLE ValueOffy (
    TypeId INTEGER PRIMARY KEY,
    Type TEXT NOT NULL COLLATE NOCASE,
    Value REAL NOT NULL
);

-- Moment coefficient of two-way slabs fixed on four edges by the ratio of the short to the long span.
CREATE TABLE FlinchCoefficient (
    lx REAL NOT NULL UNIQUE,
    mx REAL NOT NULL
);

-- Design strength f and elastic modulus E of the steel, both in N/mm2.
CREATE TABLE IntensionAndFlexibilityOfSteel (
    TypeId INTEGER PRIMARY KEY,
    Name TEXT NOT NULL COLLATE NOCASE,
    Typename TEXT COLLATE NOCASE,
    Value REAL NOT NULL
);

-- Design capacities of fasteners and base (kN).
CREATE TABLE SupportForceOfFastenerAndBase (
    TypeId INTEGER PRIMARY KEY,
    Type TEXT COLLATE NOCASE,
    Value REAL NOT NULL
);

-- Basic wind pressure w0 (kN/m2) by city.
CREATE TABLE Wo (
    Province TEXT NOT NULL COLLATE NOCASE,
    City TEXT NOT NULL UNIQUE COLLATE NOCASE,
    Value REAL NOT NULL
);
-- The province list is read for every wind section. Within one province the index keeps the stored order, so
-- the cities of a province still come in table order.
CREATE INDEX WoProvince ON Wo (Province);

-- Height factor of the wind pressure by height h (m) and terrain roughness type (0 A, 1 B, 2 C, 3 D).
CREATE TABLE Uz (
    h REAL NOT NULL,
    type INTEGER NOT NULL,
    value REAL NOT NULL
);

-- Dead weight of scaffold boards (kN/m2).
CREATE TABLE DeadWeightOfScaffoldBoard (
    TypeId INTEGER PRIMARY KEY,
    Type TEXT NOT NULL COLLATE NOCASE,
    Value REAL NOT NULL
);

-- Dead weight of guard rail and toe board (kN/m).
CREATE TABLE DeadWeightOfHandrail (
    TypeId INTEGER PRIMARY KEY,
    Type TEXT NOT NULL COLLATE NOCASE,
    Value REAL NOT NULL
);

-- Construction live load (kN/m2).
CREATE TABLE ConstructingloadSTD (
    TypeId INTEGER PRIMARY KEY,
    Type TEXT NOT NULL COLLATE NOCASE,
    Value REAL NOT NULL
);

-- Reduction factor of the ground's bearing capacity.
CREATE TABLE GroundDownRate (
    TypeId INTEGER PRIMARY KEY,
    TypeName TEXT NOT NULL COLLATE NOCASE,
    Value REAL NOT NULL
);

-- Weights of fittings: DeadWeight in N per piece (per metre for tubes).
CREATE TABLE deadWeightOfTheFittings (
    NameId INTEGER PRIMARY KEY,
    Name TEXT NOT NULL UNIQUE COLLATE NOCASE,
    Unitage TEXT COLLATE NOCASE,
    DeadWeight REAL NOT NULL,
    Description TEXT COLLATE NOCASE
);

-- Unit weights of door-frame fittings (kN per piece). The door-frame book reads the first thirteen rows in stored
-- order, so this table has no index that a plain select could walk instead.
CREATE TABLE UnitWeightOfFittingsOfdoor (
    Name TEXT NOT NULL COLLATE NOCASE,
    Value REAL NOT NULL
);

-- Door-frame types: frame dimensions in mm, tube rows of TraitOfPoleOfDoor, weight of one frame in kN.
CREATE TABLE DoorFrameList (
    TypeId INTEGER PRIMARY KEY,
    DoorFrameName TEXT NOT NULL COLLATE NOCASE,
    b REAL,
    b1 REAL,
    H0 REAL,
    H1 REAL,
    H2 REAL,
    StandPoleTypeId INTEGER,
    StrengthPoleTypeId INTEGER,
    Weight REAL
);

-- Hot-rolled channels. Ix is also read as ix (the same column); iy is the moment of inertia about y, i_x and i_y
-- the radii of gyration. A cm2; Ix, iy cm4; Wx, Wy cm3; i_x, i_y cm; t, b, h, tw, lw mm; g kg/m.
CREATE TABLE SlotSteelParaOfHoriGirder (
    TypeId INTEGER PRIMARY KEY,
    TypeCaption TEXT NOT NULL UNIQUE COLLATE NOCASE,
    A REAL NOT NULL,
    Ix REAL NOT NULL,
    Wx REAL NOT NULL,
    i_x REAL NOT NULL,
    iy REAL NOT NULL,
    Wy REAL NOT NULL,
    i_y REAL NOT NULL,
    t REAL NOT NULL,
    b REAL NOT NULL,
    h REAL NOT NULL,
    g REAL NOT NULL,
    tw REAL NOT NULL,
    lw REAL NOT NULL
);

-- Hot-rolled I-sections: A cm2; Ix cm4; Wx cm3; t, b, h mm.
CREATE TABLE OtherSteelParaOfHoriGirder (
    TypeId INTEGER PRIMARY KEY,
    TypeCaption TEXT NOT NULL UNIQUE COLLATE NOCASE,
    A REAL NOT NULL,
    Ix REAL NOT NULL,
    Wx REAL NOT NULL,
    t REAL NOT NULL,
    b REAL NOT NULL,
    h REAL NOT NULL
);

-- Equal-leg angles: a area (cm2); b leg, d thickness, r root radius (mm); i_y0 minimum radius of gyration (cm).
CREATE TABLE AngleIronSpec (
    TypeId INTEGER PRIMARY KEY,
    a REAL NOT NULL,
    b REAL NOT NULL,
    d REAL NOT NULL,
    r REAL NOT NULL,
    i_y0 REAL NOT NULL
);

-- Kinds offered by the new-object guide, in the order it shows them (its select has no ordering, so no index).
CREATE TABLE jsjtype (
    bname TEXT NOT NULL COLLATE NOCASE,
    Type INTEGER NOT NULL,
    jsjclass INTEGER NOT NULL,
    SortOrder INTEGER NOT NULL
);

-- The window style chosen last.
CREATE TABLE skin (
    SkinItem INTEGER
);

-- Wind-blocking coefficient of open scaffolds by step h and spacing La (m).
CREATE TABLE ValueOfFyAboutWind (
    h REAL NOT NULL,
    La REAL NOT NULL,
    Value REAL NOT NULL
);

-- Allowable deflections of bending members.
CREATE TABLE DegreeOfFlexibilityOfFittings (
    TypeId INTEGER PRIMARY KEY,
    Type TEXT COLLATE NOCASE,
    Value REAL NOT NULL
);

-- Allowable slenderness.
CREATE TABLE ratioOfLonAndThinOfFittings (
    TypeId INTEGER PRIMARY KEY,
    Type TEXT COLLATE NOCASE,
    Value REAL NOT NULL
);
