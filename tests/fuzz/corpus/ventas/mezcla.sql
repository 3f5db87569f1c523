INSERT INTO ventas (fecha, vendedor, cliente, producto, cantidad, precio, importe, formapago, numprecio, nota, np2, x1, x2, fp1, fp2, fp3, fp4, fp5, fp6, fp7, fp8) VALUES ('dic 8, 2026 1:45:09 p. m.', 'V01', 'MUÑOZ', 'P1', 2, 30, 60, 'C', 1, 'a, b', 2, 0, '20.67, -103.35', 60, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO ventas (fecha, vendedor) VALUES ('Dec 08 2026 13:45:09', 'V01');

sin parentesisINSERT INTO ventas (a) VALUES ('x'