# Sums a GNU ld map's input sections by the library (or object) they came
# from, over the sections that take room in the file, largest first.
#   awk -f map-summary.awk Vendisc.map
function hex(s,    n, i, c) {
  n = 0
  s = tolower(substr(s, 3))
  for (i = 1; i <= length(s); i++) n = n * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1
  return n
}
function add(size, from) {
  if (out !~ /^\.(text|rdata|data|eh_frame|rsrc|idata|CRT|tls|reloc)$/) return
  sub(/.*\//, "", from)
  lib = from
  sub(/\(.*/, "", lib)
  total[lib] += hex(size)
  all += hex(size)
}
/^Linker script and memory map/ { inmap = 1; next }
!inmap { next }
/^\.[^ ]+/ { out = $1; pending = ""; next }
/^ \.[^ ]+$/ { pending = $1; next }
/^ \.[^ ]+ +0x[0-9a-f]+ +0x[0-9a-f]+ +[^ ]/ { add($3, $4); pending = ""; next }
pending != "" && /^ +0x[0-9a-f]+ +0x[0-9a-f]+ +[^ ]/ { add($2, $3); pending = ""; next }
END {
  printf "%d all\n", all
  for (lib in total) printf "%d %s\n", total[lib], lib | "sort -rn | head -9"
}
