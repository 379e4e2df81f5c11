-- The part of the Retail Pro 9 schema (owner CMS) that the connector reads,
-- as an SQLite database for the embedded engine.
--
-- Conventions:
--   * Identifiers (SIDs) are 64-bit integers, as Oracle NUMBER(19) holds them.
--   * Quantities are REAL: they may be negative or fractional.
--   * Dates are TEXT "YYYY-MM-DD HH:MM:SS" in local time, so that text order is
--     time order and TRUNC/SYSDATE compare as Oracle's DATE does.
--   * Flags (active, held, is_local) are 0/1 integers; NULL counts as 0 where
--     the queries wrap them in NVL.
-- The indexes follow the join and filter columns of the inventory query, so
-- that the committed-quantity subqueries look up one item's order lines.

-- Schema and build version of the Retail Pro installation, one row per
-- component (0 = schema, 1 = build).
CREATE TABLE version (
  component_id   INTEGER PRIMARY KEY,
  component_type TEXT,
  version        TEXT
);

-- The installation's own subsidiary and store: the row with is_local = 1.
CREATE TABLE controller (
  controller_no INTEGER PRIMARY KEY,
  sbs_no        INTEGER NOT NULL,
  store_no      INTEGER NOT NULL,
  is_local      INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE subsidiary (
  sbs_no   INTEGER PRIMARY KEY,
  sbs_name TEXT
);

CREATE TABLE store (
  sbs_no     INTEGER NOT NULL REFERENCES subsidiary (sbs_no),
  store_no   INTEGER NOT NULL,
  store_code TEXT,
  store_name TEXT,
  active     INTEGER NOT NULL DEFAULT 1,
  PRIMARY KEY (sbs_no, store_no)
);

-- The item master, shared by all subsidiaries.
CREATE TABLE inventory (
  item_sid     INTEGER PRIMARY KEY,
  upc          TEXT,
  description1 TEXT
);

-- An item as one subsidiary carries it. local_upc is the subsidiary's own
-- code; installations that predate it lack the column (the generator can
-- leave it out).
CREATE TABLE invn_sbs (
  item_sid  INTEGER NOT NULL REFERENCES inventory (item_sid),
  sbs_no    INTEGER NOT NULL,
  vend_code TEXT,
  local_upc TEXT,
  active    INTEGER NOT NULL DEFAULT 1,
  PRIMARY KEY (item_sid, sbs_no)
);
CREATE INDEX invn_sbs_sbs_vend ON invn_sbs (sbs_no, vend_code, local_upc);

-- On-hand quantity of an item in one store.
CREATE TABLE invn_sbs_qty (
  item_sid INTEGER NOT NULL,
  sbs_no   INTEGER NOT NULL,
  store_no INTEGER NOT NULL,
  qty      REAL,
  PRIMARY KEY (item_sid, sbs_no, store_no)
);
CREATE INDEX invn_sbs_qty_store ON invn_sbs_qty (sbs_no, store_no, item_sid);

-- Sales orders. so_type 0, 1 and 2 commit stock; status bit 1 marks an order
-- as closed; cancel_date NULL means "never cancelled".
CREATE TABLE so (
  so_sid      INTEGER PRIMARY KEY,
  sbs_no      INTEGER NOT NULL,
  store_no    INTEGER NOT NULL,
  so_no       INTEGER,
  so_type     INTEGER NOT NULL DEFAULT 0,
  status      INTEGER NOT NULL DEFAULT 0,
  active      INTEGER,
  created_date TEXT,
  cancel_date TEXT
);
CREATE INDEX so_store ON so (sbs_no, store_no);

CREATE TABLE so_item (
  so_sid   INTEGER NOT NULL REFERENCES so (so_sid),
  item_pos INTEGER NOT NULL,
  item_sid INTEGER NOT NULL,
  ord_qty  REAL,
  sent_qty REAL,
  PRIMARY KEY (so_sid, item_pos)
);
CREATE INDEX so_item_item ON so_item (item_sid, so_sid);

-- Transfer orders from store_no to the stores of their tord_qty lines.
CREATE TABLE tord (
  to_sid   INTEGER PRIMARY KEY,
  sbs_no   INTEGER NOT NULL,
  store_no INTEGER NOT NULL,
  to_no    INTEGER,
  held     INTEGER,
  active   INTEGER,
  created_date TEXT
);
CREATE INDEX tord_store ON tord (sbs_no, store_no);

CREATE TABLE tord_item (
  to_sid   INTEGER NOT NULL REFERENCES tord (to_sid),
  item_pos INTEGER NOT NULL,
  item_sid INTEGER NOT NULL,
  PRIMARY KEY (to_sid, item_pos)
);
CREATE INDEX tord_item_item ON tord_item (item_sid, to_sid);

-- Quantities of one transfer line per receiving store.
CREATE TABLE tord_qty (
  to_sid   INTEGER NOT NULL,
  item_pos INTEGER NOT NULL,
  store_no INTEGER NOT NULL,
  ord_qty  REAL,
  sent_qty REAL,
  PRIMARY KEY (to_sid, item_pos, store_no)
);
