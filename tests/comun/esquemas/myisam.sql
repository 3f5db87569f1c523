-- Every table of the schema in MyISAM, as installations made before InnoDB
-- was the default have them: no transactions, table locks. Applied after
-- db/norvento.sql.
BEGIN NOT ATOMIC
  DECLARE tabla VARCHAR(64);
  tablas: LOOP
    SET tabla = (SELECT TABLE_NAME FROM information_schema.TABLES
                 WHERE TABLE_SCHEMA = DATABASE() AND TABLE_TYPE = 'BASE TABLE' AND ENGINE <> 'MyISAM' LIMIT 1);
    IF tabla IS NULL THEN
      LEAVE tablas;
    END IF;
    EXECUTE IMMEDIATE CONCAT('ALTER TABLE `', tabla, '` ENGINE=MyISAM');
  END LOOP;
END;
