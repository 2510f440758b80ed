-- Tubrix pipe catalogue: tables and keys.
-- The file DatosS.db is built from this schema and catalogo.sql at build time and opened read-only
-- by the program. Field names are matched without regard to case by the reader.

CREATE TABLE GRUPOS (
    CODIGO        INTEGER NOT NULL PRIMARY KEY,  -- material group, 1..12
    MATERIAL      TEXT    NOT NULL,              -- group name shown in the group list
    Mostrar       INTEGER,                       -- 1 = listed; 0 or NULL = hidden
    ET            REAL    NOT NULL,              -- short-term modulus, N/mm2
    ET_LARGO      REAL    NOT NULL,              -- long-term modulus, N/mm2
    GAMMA_R       REAL    NOT NULL,              -- specific weight, kN/m3
    Sigma_R       REAL    NOT NULL,              -- flexural tensile strength, N/mm2
    SIGMA_R_LARGO REAL    NOT NULL               -- long-term flexural tensile strength, N/mm2
);

CREATE TABLE MATERIALES (
    CODIGO      INTEGER NOT NULL PRIMARY KEY,    -- sub-class = group * 100 + n, n = 1..100
    MATERIAL    TEXT    NOT NULL,                -- sub-class name, default class text of its pipes
    Mostrar     INTEGER,                         -- 1 = listed; 0 or NULL = hidden
    SANEAMIENTO TEXT,                            -- 'S' = sewer; anything else = pressure conduit
    RCE         REAL                             -- ring stiffness, N/m2 (groups 6, 7, 11)
);

CREATE TABLE NORMALIZADOS (
    ID         INTEGER NOT NULL,                 -- pipe code (unique)
    MATERIAL   INTEGER NOT NULL REFERENCES MATERIALES (CODIGO),
    DIAMETRO_N INTEGER NOT NULL,                 -- nominal diameter DN, mm
    DIAMETRO_E REAL    NOT NULL,                 -- outside diameter, mm
    DIAMETRO_I REAL    NOT NULL,                 -- inside diameter, mm
    ESPESOR    REAL    NOT NULL,                 -- wall thickness (profile height for 1102), mm
    Fibra_N    REAL    NOT NULL,                 -- neutral-fibre diameter, mm
    Et         REAL,                             -- short-term modulus, N/mm2 (1102 only)
    Et_Largo   REAL,                             -- long-term modulus, N/mm2 (1102 only)
    RCEmin     REAL,                             -- ring stiffness, kN/m2 (1102 only)
    Momento    REAL,                             -- 1000 x I in m4/m (1102 only)
    Area       REAL,                             -- wall area, mm2 per metre of pipe (1102 only)
    W          REAL,                             -- section modulus, mm3/mm = cm3/m (1102 only)
    Tipo       TEXT,                             -- class text such as 'SN-8'; replaces the sub-class name
    PRIMARY KEY (MATERIAL, DIAMETRO_N, DIAMETRO_E, ID)
);
CREATE UNIQUE INDEX Code ON NORMALIZADOS (ID);

-- Buckling coefficient alfa D for external water pressure, read in the order
-- "rm/s" descending, then "v_rb" descending. Every "rm/s" carries the same set of "v_rb".
CREATE TABLE ALFA (
    "rm/s"  REAL NOT NULL,                       -- mean radius / wall thickness
    v_rb    REAL NOT NULL,                       -- system stiffness VRB
    alfa_d  REAL NOT NULL,                       -- coefficient, 3..50
    PRIMARY KEY ("rm/s", v_rb)
);

-- Kept for the catalogue layout; the program opens it and reads nothing from it.
CREATE TABLE Cd (
    CODIGO INTEGER NOT NULL PRIMARY KEY,
    VALOR  REAL
);
