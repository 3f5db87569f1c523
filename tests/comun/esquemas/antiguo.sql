-- The schema as older Norvento installations have it, applied after
-- db/norvento.sql: the counters and the customer balances without their keys
-- (one row per counter and per customer only by the program's care), and the
-- totals of tickets, invoices and layaways kept with two decimals.
ALTER TABLE sistema DROP PRIMARY KEY;
ALTER TABLE saldoscli DROP PRIMARY KEY;
ALTER TABLE tickets MODIFY total DECIMAL(14,2) NOT NULL DEFAULT 0;
ALTER TABLE facturas MODIFY Total DECIMAL(14,2) NOT NULL DEFAULT 0;
ALTER TABLE apartados MODIFY Total DECIMAL(14,2) NOT NULL DEFAULT 0;
