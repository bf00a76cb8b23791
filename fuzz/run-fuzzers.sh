#!/bin/bash
# Short fuzzing runs of every fuzz target (not part of CI).
#   fuzz/run-fuzzers.sh [seconds per target, default 60] [target ...]
# Builds the fuzzers with clang (ASan + UBSan) in build-fuzz/, writes the seed
# corpora, then runs each target for the given time. A crash leaves its input
# in build-fuzz/fuzz/artifacts/<target>/ and the script exits non-zero.
# The XML and season targets take inputs up to 4 MB (the size of real season
# documents is reached at once, not grown into); every target reports the
# inputs slower than its threshold as slow units, kept beside the crashes: a
# reader that is not linear in its input shows there, and the script fails as
# for a crash. Thresholds (seconds, under the sanitizers): 5 for the XML
# reader, 20 for the season target (a real 4 MB season is read, written again
# and counted in about 12 s there), 2 for the others; BZ_FUZZ_LENT sets one
# for all.
set -u
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${BZ_FUZZ_BUILD:-$racine/build-fuzz}
duree=${1:-60}
shift || true
cibles=("$@")
[ ${#cibles[@]} -eq 0 ] && cibles=(xml saison zipdir png historique deflate http blasons parametres categories textes modeles scenario connexions)

CC=clang CXX=clang++ cmake -S "$racine" -B "$build" -G Ninja -DBZ_FUZZ=ON -DBZ_TESTS=OFF -DBZ_BENCH=OFF >/dev/null || exit 1
cmake --build "$build" -j4 --target fuzz_graines $(printf 'fuzz_%s ' "${cibles[@]}") || exit 1

corpus=$build/fuzz/corpus
mkdir -p "$corpus"/{xml,saison,zipdir,png,historique,deflate,http,blasons,parametres,categories,textes,modeles,scenario,connexions}
"$build/fuzz/fuzz_graines" "$corpus/xml" "$corpus/saison" "$corpus/zipdir" "$corpus/historique" \
  "$corpus/deflate" || exit 1
# Seeds of the other targets: the PNG pictures of the data folder, a season
# file (a zip) and the history files, when there are any.
find "$racine/data" -name '*.png' -size -64k 2>/dev/null | head -50 | xargs -r cp -t "$corpus/png"
find "$racine/data" \( -name '*.zip' -o -name '*.xmc' \) -size -256k 2>/dev/null | head -10 | xargs -r cp -t "$corpus/zipdir"
# HTTP replies: two option bytes, then the reply.
printf '\0\1HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nabcde' > "$corpus/http/longueur"
printf '\2\7HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5;x\r\nabcde\r\n0\r\n\r\n' > "$corpus/http/morceaux"
printf '\2\3HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 302 Found\r\nLocation: /x\r\nConnection: close\r\n\r\n' > "$corpus/http/suite"
find "$racine/data" -iname '*histo*' -type f -size -256k 2>/dev/null | head -10 | xargs -r cp -t "$corpus/historique"
# The files beside the seasons, as the program ships them.
cp "$racine/data/blasons/blasons.txt" "$corpus/blasons/" 2>/dev/null
printf '1-0-France#\r\n\r\n2-0-Italie#1001-1-Lyon#1002-1-Nantes' > "$corpus/blasons/lignes"
printf '[General]\r\nLangue=fr\r\nFavoris=198-12-x\r\n[LastFile]\r\nCount=3\r\nFile0=/a.xmc\r\nFile2="/c d.xmc"\r\n; note\r\n' > "$corpus/parametres/brivantel.ini"
cp "$racine/data/categories.xml" "$corpus/categories/"
# The same files as an editor may save them: a byte-order mark, comments,
# blanks around "=" and numbers, references.
printf '\xef\xbb\xbf1-0-France#\r\n 2 - 0 -Italie# 1001 -1- Lyon#' > "$corpus/blasons/main"
printf '\xef\xbb\xbf[General]\r\nLangue=en\r\n[LastFile]\r\nCount= 1 \r\nFile0=/a.xmc\r\n' > "$corpus/parametres/main.ini"
printf '\xef\xbb\xbf<?xml version="1.0"?>\r\n<!-- a -->\r\n<categories>\r\n<categorie ID = "4">\r\n<nom>A&amp;&#66;<![CDATA[<C>]]></nom>\r\n<?x y?>\r\n</categorie>\r\n<categorie\r\n\tID=\x27 5 \x27><nom>D</nom></categorie>\r\n</categories>\r\n' > "$corpus/categories/main"
printf '\xef\xbb\xbf<?xml version = "1.0"?>\r\n<connexion>\r\n<!-- a -->\r\n<url>http://&#120;.invalid/</url>\r\n<timeout> 60000 </timeout>\r\n<siteconnexion>\r\n<url><![CDATA[http://y.invalid/]]></url>\r\n<sport>gormelide</sport>\r\n</siteconnexion>\r\n</connexion>\r\n' > "$corpus/connexions/main"
cp "$racine/data/texte/Textefr.txt" "$racine/data/texte/Texteen.txt" "$corpus/textes/"
head -c 4000 "$racine/data/texte/Textefr.txt" > "$corpus/textes/court"
cp "$racine"/data/config/*.fr "$corpus/modeles/"
cp "$racine/data/connexion.xml" "$corpus/connexions/"
# Scenarios: the playoff items of the templates, one per line.
grep -ho '<playoff>[^<]*</playoff>' "$racine"/data/config/*.fr 2>/dev/null | sed 's/<[^>]*>//g' | head -20 |
  while IFS= read -r p; do printf '%s' "$p" | tr ';' '\n' > "$corpus/scenario/$(printf '%s' "$p" | md5sum | cut -c1-12)"; done

echec=0
for c in "${cibles[@]}"; do
  case $c in
    xml) taille=(-max_len=4194304 -len_control=0 -timeout=60); lent=5 ;;
    saison) taille=(-max_len=4194304 -len_control=0 -timeout=120); lent=20 ;;
    *) taille=(-max_len=65536 -timeout=20); lent=2 ;;
  esac
  lent=${BZ_FUZZ_LENT:-$lent}
  mkdir -p "$build/fuzz/artifacts/$c" "$corpus/$c"
  # Seeds kept in the tree (small files written by the program's own coders).
  [ -d "$racine/fuzz/seeds/$c" ] && cp -n "$racine/fuzz/seeds/$c"/* "$corpus/$c"/
  echo "== fuzz_$c: $duree s"
  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$build/fuzz/fuzz_$c" "$corpus/$c" -max_total_time="$duree" -rss_limit_mb=2048 \
      "${taille[@]}" -report_slow_units="$lent" -artifact_prefix="$build/fuzz/artifacts/$c/" \
      -print_final_stats=1 > "$build/fuzz/artifacts/$c/journal.txt" 2>&1
  statut=$?
  tail -15 "$build/fuzz/artifacts/$c/journal.txt"
  [ "$statut" -eq 0 ] || { echo "fuzz_$c found a fault"; echec=1; }
  if ls "$build/fuzz/artifacts/$c"/slow-unit-* >/dev/null 2>&1; then
    echo "fuzz_$c found inputs slower than $lent s:"
    ls "$build/fuzz/artifacts/$c"/slow-unit-*
    echec=1
  fi
done
exit $echec
