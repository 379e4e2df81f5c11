-- The part of the Retail Pro 9 schema (owner CMS) that the connector reads,
-- for an Oracle database: enough to create a test schema and run the live
-- database tests (LUMORA_TEST_ORACLE_DSN, _USER, _PASSWORD) against it.
--
-- Run it as the schema's owner, e.g.
--   sqlplus cms/<password>@//dbhost:1521/RPROODS @retailpro_schema_oracle.sql
-- and let the test account read the tables (the product's account is
-- "custom"; it reaches them through synonyms or as the owner):
--   grant select on cms.<table> to custom; create synonym custom.<table> for cms.<table>;
--
-- The columns match the embedded engine's schema (retailpro_schema.sql):
-- SIDs are NUMBER(19), quantities NUMBER (negative or fractional), flags
-- NUMBER(1) with NULL counting as 0 where the queries wrap them in NVL.

CREATE TABLE version (
  component_id   NUMBER(10) PRIMARY KEY,
  component_type VARCHAR2(40),
  version        VARCHAR2(40)
);

CREATE TABLE controller (
  controller_no NUMBER(10) PRIMARY KEY,
  sbs_no        NUMBER(5) NOT NULL,
  store_no      NUMBER(5) NOT NULL,
  is_local      NUMBER(1) DEFAULT 0 NOT NULL
);

CREATE TABLE subsidiary (
  sbs_no   NUMBER(5) PRIMARY KEY,
  sbs_name VARCHAR2(40)
);

CREATE TABLE store (
  sbs_no     NUMBER(5) NOT NULL REFERENCES subsidiary (sbs_no),
  store_no   NUMBER(5) NOT NULL,
  store_code VARCHAR2(10),
  store_name VARCHAR2(40),
  active     NUMBER(1) DEFAULT 1 NOT NULL,
  PRIMARY KEY (sbs_no, store_no)
);

CREATE TABLE inventory (
  item_sid     NUMBER(19) PRIMARY KEY,
  upc          VARCHAR2(20),
  description1 VARCHAR2(60)
);

-- Installations that predate local_upc lack the column; the connector then
-- takes the UPC in its place.
CREATE TABLE invn_sbs (
  item_sid  NUMBER(19) NOT NULL REFERENCES inventory (item_sid),
  sbs_no    NUMBER(5) NOT NULL,
  vend_code VARCHAR2(20),
  local_upc VARCHAR2(20),
  active    NUMBER(1) DEFAULT 1 NOT NULL,
  PRIMARY KEY (item_sid, sbs_no)
);
CREATE INDEX invn_sbs_sbs_vend ON invn_sbs (sbs_no, vend_code, local_upc);

CREATE TABLE invn_sbs_qty (
  item_sid NUMBER(19) NOT NULL,
  sbs_no   NUMBER(5) NOT NULL,
  store_no NUMBER(5) NOT NULL,
  qty      NUMBER,
  PRIMARY KEY (item_sid, sbs_no, store_no)
);
CREATE INDEX invn_sbs_qty_store ON invn_sbs_qty (sbs_no, store_no, item_sid);

CREATE TABLE so (
  so_sid       NUMBER(19) PRIMARY KEY,
  sbs_no       NUMBER(5) NOT NULL,
  store_no     NUMBER(5) NOT NULL,
  so_no        NUMBER(10),
  so_type      NUMBER(3) DEFAULT 0 NOT NULL,
  status       NUMBER(10) DEFAULT 0 NOT NULL,
  active       NUMBER(1),
  created_date DATE,
  cancel_date  DATE
);
CREATE INDEX so_store ON so (sbs_no, store_no);

CREATE TABLE so_item (
  so_sid   NUMBER(19) NOT NULL REFERENCES so (so_sid),
  item_pos NUMBER(10) NOT NULL,
  item_sid NUMBER(19) NOT NULL,
  ord_qty  NUMBER,
  sent_qty NUMBER,
  PRIMARY KEY (so_sid, item_pos)
);
CREATE INDEX so_item_item ON so_item (item_sid, so_sid);

CREATE TABLE tord (
  to_sid       NUMBER(19) PRIMARY KEY,
  sbs_no       NUMBER(5) NOT NULL,
  store_no     NUMBER(5) NOT NULL,
  to_no        NUMBER(10),
  held         NUMBER(1),
  active       NUMBER(1),
  created_date DATE
);
CREATE INDEX tord_store ON tord (sbs_no, store_no);

CREATE TABLE tord_item (
  to_sid   NUMBER(19) NOT NULL REFERENCES tord (to_sid),
  item_pos NUMBER(10) NOT NULL,
  item_sid NUMBER(19) NOT NULL,
  PRIMARY KEY (to_sid, item_pos)
);
CREATE INDEX tord_item_item ON tord_item (item_sid, to_sid);

CREATE TABLE tord_qty (
  to_sid   NUMBER(19) NOT NULL,
  item_pos NUMBER(10) NOT NULL,
  store_no NUMBER(5) NOT NULL,
  ord_qty  NUMBER,
  sent_qty NUMBER,
  PRIMARY KEY (to_sid, item_pos, store_no)
);
