# shellcheck shell=bash
# The bench's clients of the test server, sourced by the bench scripts once
# `scripts/servidores-prueba env` has set the server's variables.

sql() { mariadb --no-defaults -h "$TRAVESA_PRUEBA_MYSQL_HOST" -P "$TRAVESA_PRUEBA_MYSQL_PUERTO" \
          -u "$TRAVESA_PRUEBA_MYSQL_USUARIO" -p"$TRAVESA_PRUEBA_MYSQL_PASSWORD" "$@"; }
# A plain client on the bench database reading SQL from its input, one
# statement per round trip: how the floors are sent.
piso_sql() { sql --default-character-set=utf8mb4 bench; }
export -f sql piso_sql
copia() {  # from, to, tables...
  local de=$1 a=$2 t s=""; shift 2
  for t in "$@"; do
    s+="DROP TABLE IF EXISTS $a.$t; CREATE TABLE $a.$t LIKE $de.$t; INSERT INTO $a.$t SELECT * FROM $de.$t;"
  done
  sql -e "$s"
}
