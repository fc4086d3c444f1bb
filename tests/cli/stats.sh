# pendrel-cli stats: the figures of each month, checked against a count made
# here from the record lines themselves, and the monthly chart as a PNG file.
source "$(dirname "$0")/support.bash"

log="$PENDREL_HOME/F0ABC_QRP.log"
: >"$log"
for i in $(seq 1 150); do
  day=$(printf '%02d' $(( (i * 7) % 28 + 1 )))
  month=$(printf '%02d' $(( (i * 5) % 12 + 1 )))
  year=$(( i % 3 == 0 ? 99 : 25 + i % 2 ))
  pts=$(( i % 4 == 0 ? 4 : 1 ))
  bonus=$([ $(( i % 13 )) -eq 0 ] && echo 15 || echo '')
  printf '%-12s %-4s %-14s %-6s %-8s %-5s %-3s %-7s %-3s %-3s %-30s %-5s %-6s  %-2s  %-5s  %-1s  %-2s\r\n' \
    "F${i}ABC" 29 JEAN JN03TJ "$day/$month/$year" 10:00 CW "7.0 Mhz" 599 599 BREST $(( i * 11 )) JN18GU 5 \
    $(( (i * 37) % 500 )) "$pts" "$bonus" >>"$log"
done
store_callsign F0ABC

# The same figures counted from the columns of the record lines (AA above 50 is 19AA).
expected=$(tr -d '\r' <"$log" | awk '{
    yy = substr($0, 47, 2) + 0; key = sprintf("%04d-%s", (yy > 50 ? 1900 : 2000) + yy, substr($0, 44, 2))
    q[key]++; p[key] += substr($0, 132, 1) + substr($0, 135, 2); k = substr($0, 125, 5) + 0
    if (k > best[key]) best[key] = k; if (k > all) all = k; n++; total += substr($0, 132, 1) + substr($0, 135, 2)
  } END {
    for (key in q) printf "%s %d %d %d\n", key, q[key], p[key], best[key] | "sort"
    close("sort"); printf "Total %d %d %d\n", n, total, all
  }')
run stats
expect_code 0 "stats"
expect_out "$expected" "stats"

run stats --png "$scratch/mois.png"
expect_code 0 "stats --png"
file "$scratch/mois.png" | grep -q "PNG image data, 1000 x 600" || fail "stats --png : $(file "$scratch/mois.png")"

run stats --png
expect_code 2 "stats --png without a file"
finish
