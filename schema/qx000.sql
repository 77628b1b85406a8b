-- The tables Qx381 and 0951REP expect in the host's database (SQLite).
-- Only the host stand-in and the tests create them; the programs never do.
--
-- Text columns compare without case, as the legacy engine did.
-- Dates are ISO text: DATE "yyyy-MM-dd", DATETIME "yyyy-MM-dd HH:mm:ss".
-- CAB, DET and ACTA keep their columns in the order the writing code assigns
-- them, cNumero last: the record control code reads the fields by position.

-- Taxpayer register, filled by the host. Doc_id_d and Nombre are read by
-- position (1 and 3).
CREATE TABLE CONT (
    Tip_doc_d    INTEGER,
    Doc_id_d     TEXT COLLATE NOCASE,
    Usuario      TEXT COLLATE NOCASE,
    Nombre       TEXT COLLATE NOCASE,
    Tipo_Ingreso INTEGER
);
-- A taxpayer by its document (the receipt, the sending), and a user's
-- taxpayers (the choosers' and the sent declarations' lists). IF NOT EXISTS:
-- the host also runs these on a database made before they were added.
CREATE INDEX IF NOT EXISTS CONT_Documento ON CONT (Doc_id_d, Tip_doc_d);
CREATE INDEX IF NOT EXISTS CONT_Usuario ON CONT (Usuario, Tip_doc_d);

-- Header of a declaration being prepared: one row per declaration key.
CREATE TABLE CAB (
    DOC_ID_D   TEXT COLLATE NOCASE,
    TIP_DOC_D  INTEGER,
    PERIODO    TEXT COLLATE NOCASE,
    FORMULARIO TEXT COLLATE NOCASE,
    fec_pro    DATE,
    bcolibrad  TEXT COLLATE NOCASE,
    nrocheque  TEXT COLLATE NOCASE,
    cheque     TEXT COLLATE NOCASE,
    efectivo   TEXT COLLATE NOCASE,
    rectifica  INTEGER,
    estado     INTEGER,
    cNumero    TEXT COLLATE NOCASE,
    UNIQUE (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO)
);

-- One row per stored box of a declaration.
CREATE TABLE DET (
    DOC_ID_D   TEXT COLLATE NOCASE,
    TIP_DOC_D  INTEGER,
    PERIODO    TEXT COLLATE NOCASE,
    FORMULARIO TEXT COLLATE NOCASE,
    Casilla    TEXT COLLATE NOCASE,
    i_valor    TEXT COLLATE NOCASE,
    idcasilla  TEXT COLLATE NOCASE,
    cNumero    TEXT COLLATE NOCASE,
    UNIQUE (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, Casilla)
);

-- Monthly rows of the payment annexes.
CREATE TABLE ACTA (
    DOC_ID_D    TEXT COLLATE NOCASE,
    TIP_DOC_D   INTEGER,
    PERIODO     TEXT COLLATE NOCASE,
    FORMULARIO  TEXT COLLATE NOCASE,
    per_pag     TEXT COLLATE NOCASE,
    saluti      TEXT COLLATE NOCASE,
    compen      TEXT COLLATE NOCASE,
    otrcre      TEXT COLLATE NOCASE,
    pago_r      TEXT COLLATE NOCASE,
    pago_iean_r TEXT COLLATE NOCASE,
    pago_iean   TEXT COLLATE NOCASE,
    fec_pago    DATE,
    tipo_asist  TEXT COLLATE NOCASE,
    FACTOR      DOUBLE,
    cNumero     TEXT COLLATE NOCASE,
    UNIQUE (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, tipo_asist)
);

-- Sent declarations, filled by the host when it sends: the CAB, DET and ACTA
-- rows of one sending plus its CORREL. The system writes only HCAB.NORDEN.
CREATE TABLE HCAB (
    DOC_ID_D   TEXT COLLATE NOCASE,
    TIP_DOC_D  INTEGER,
    PERIODO    TEXT COLLATE NOCASE,
    FORMULARIO TEXT COLLATE NOCASE,
    CORREL     TEXT COLLATE NOCASE,
    NORDEN     DOUBLE,
    FEC_ENV    DATE,
    CONTROL    TEXT COLLATE NOCASE,
    fec_pro    DATE,
    bcolibrad  TEXT COLLATE NOCASE,
    nrocheque  TEXT COLLATE NOCASE,
    cheque     TEXT COLLATE NOCASE,
    efectivo   TEXT COLLATE NOCASE,
    rectifica  INTEGER,
    estado     INTEGER,
    cNumero    TEXT COLLATE NOCASE,
    UNIQUE (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, CORREL)
);

CREATE TABLE HDET (
    DOC_ID_D   TEXT COLLATE NOCASE,
    TIP_DOC_D  INTEGER,
    PERIODO    TEXT COLLATE NOCASE,
    FORMULARIO TEXT COLLATE NOCASE,
    CORREL     TEXT COLLATE NOCASE,
    Casilla    TEXT COLLATE NOCASE,
    i_valor    TEXT COLLATE NOCASE,
    idcasilla  TEXT COLLATE NOCASE,
    cNumero    TEXT COLLATE NOCASE
);

CREATE TABLE HACTA (
    DOC_ID_D    TEXT COLLATE NOCASE,
    TIP_DOC_D   INTEGER,
    PERIODO     TEXT COLLATE NOCASE,
    FORMULARIO  TEXT COLLATE NOCASE,
    CORREL      TEXT COLLATE NOCASE,
    per_pag     TEXT COLLATE NOCASE,
    saluti      TEXT COLLATE NOCASE,
    compen      TEXT COLLATE NOCASE,
    otrcre      TEXT COLLATE NOCASE,
    pago_r      TEXT COLLATE NOCASE,
    pago_iean_r TEXT COLLATE NOCASE,
    pago_iean   TEXT COLLATE NOCASE,
    fec_pago    DATE,
    tipo_asist  TEXT COLLATE NOCASE,
    FACTOR      DOUBLE,
    cNumero     TEXT COLLATE NOCASE
);

-- Monthly update factors: PERIODO "YYMM", CODTRI "030301" or "030304".
CREATE TABLE FAC (
    FORMULARIO TEXT COLLATE NOCASE,
    PERIODO    TEXT COLLATE NOCASE,
    CODTRI     TEXT COLLATE NOCASE,
    FACTOR     DOUBLE
);

-- Parameter tables: fixed-column records in FUNCION.
CREATE TABLE PARAM (
    NUMERO    TEXT COLLATE NOCASE,
    ARGUMENTO TEXT COLLATE NOCASE,
    FUNCION   TEXT COLLATE NOCASE
);

-- Users: Tipo "0" sees every taxpayer.
CREATE TABLE CLAVES (
    Usuario TEXT COLLATE NOCASE,
    Tipo    TEXT COLLATE NOCASE
);

-- Message texts by four-digit code.
CREATE TABLE ERROR (
    CodError  TEXT COLLATE NOCASE,
    DescError TEXT COLLATE NOCASE
);

-- Register of spooled print-script files, written by both programs.
CREATE TABLE SPOOL (
    CodRep    TEXT COLLATE NOCASE,
    Secuencia TEXT COLLATE NOCASE,
    Archivo   TEXT COLLATE NOCASE,
    Fecha     DATETIME,
    Usuario   TEXT COLLATE NOCASE,
    tip_doc_d INTEGER,
    Doc_id_d  TEXT COLLATE NOCASE
);
-- The registration's reads: the highest Secuencia of a report code, and the
-- highest number of the names the numbering gives, with the guard against a
-- repeated name (the expression is the one the programs query, to the
-- letter; other names are left out). IF NOT EXISTS, as CONT's.
CREATE INDEX IF NOT EXISTS SPOOL_Secuencia ON SPOOL (CodRep, Secuencia);
CREATE INDEX IF NOT EXISTS SPOOL_Numero ON SPOOL (
    (CASE WHEN substr(Archivo, 1, 8) GLOB '[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]'
     THEN CAST(substr(Archivo, 1, 8) AS INTEGER) END))
    WHERE CASE WHEN substr(Archivo, 1, 8) GLOB '[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]'
          THEN CAST(substr(Archivo, 1, 8) AS INTEGER) END IS NOT NULL;
