#!/usr/bin/env bash
# Times the command against ffmpeg's own spatial filters on one 1080p YUY2
# clip: each tool runs once per round, in turn, so all see the same machine
# load. Prints frames/s (best of the rounds) and the ratios.
#
#   bench/compare.sh [QUILLANE] [FRAMES] [ROUNDS] [FRAME_BENCH]
#
# QUILLANE defaults to build/cli/quillane, FRAME_BENCH to
# build/bench/process_frame_bench (processFrame alone, type 0, on the SSE4.1
# path and the machine's best, timed in the same rounds). ffmpeg runs on one thread.
set -euo pipefail
cd "$(dirname "$0")/.."

quillane=${1:-build/cli/quillane}
frames=${2:-100}
rounds=${3:-5}
frame_bench=${4:-build/bench/process_frame_bench}
size=1920x1080
cores=$(nproc 2>/dev/null || echo 2)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
clip=$work/clip.yuy2

ffmpeg -v error -f lavfi -i "testsrc2=size=$size:rate=25,noise=alls=12:allf=t" -frames:v "$frames" \
  -pix_fmt yuyv422 -f rawvideo "$clip"
cat "$clip" >/dev/null  # into the page cache

help=$("$quillane" --help 2>&1 || true)
quiet=()
grep -q -- '--quiet' <<<"$help" && quiet=(--quiet)
threaded=false
grep -q -- '--threads' <<<"$help" && threaded=true

peer() {  # peer FILTERS
  ffmpeg -v error -threads 1 -filter_threads 1 -f rawvideo -pix_fmt yuyv422 -s "$size" -i "$clip" \
    -vf "$1" -f null -
}

declare -A runs=(
  [ffmpeg-io]="peer format=yuv422p"
  [removegrain11]="peer format=yuv422p,removegrain=m0=11:m1=0:m2=0"
  [removegrain4]="peer format=yuv422p,removegrain=m0=4:m1=0:m2=0"
  [hqdn3d]="peer format=yuv422p,hqdn3d"
)
order=(ffmpeg-io removegrain11 removegrain4 hqdn3d quillane-1t)
if $threaded; then
  runs[quillane-1t]="$quillane --raw $size --threads 1 ${quiet[*]} $clip /dev/null"
  runs[quillane-all]="$quillane --raw $size --threads $cores ${quiet[*]} $clip /dev/null"
  order+=(quillane-all)
else
  runs[quillane-1t]="$quillane --raw $size ${quiet[*]} $clip /dev/null"
fi

keep_best() {  # keep_best NAME SECONDS_FOR_ALL_FRAMES
  if [ -z "${best[$1]:-}" ] || [ "$(echo "$2 < ${best[$1]}" | bc -l)" = 1 ]; then best[$1]=$2; fi
}

# processFrame alone: wall time per frame from the benchmark, for the paths named.
frame_paths=()
if [ -x "$frame_bench" ]; then
  frame_paths=(sse4.1 "$("$frame_bench" --benchmark_list_tests | sed -n 's|^processFrame/\([^/]*\)/type0/1920x1080$|\1|p' | tail -n 1)")
fi

declare -A best
for ((r = 1; r <= rounds; r++)); do
  for name in "${order[@]}"; do
    start=$(date +%s.%N)
    eval "${runs[$name]}" >/dev/null
    end=$(date +%s.%N)
    keep_best "$name" "$(echo "$end - $start" | bc -l)"
  done
  for path in "${frame_paths[@]}"; do
    us=$("$frame_bench" --benchmark_min_time=0.3 --benchmark_format=csv \
      --benchmark_filter="^processFrame/$path/type0/1920x1080\$" 2>/dev/null | awk -F, 'NR == 2 { print $3 }')
    keep_best "processFrame-$path" "$(echo "$us * $frames / 1000000" | bc -l)"
  done
done
for path in "${frame_paths[@]}"; do order+=("processFrame-$path"); done

fps() { echo "scale=1; $frames / ${best[$1]}" | bc -l; }
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $cores cores; $frames frames of $size YUY2, best of $rounds rounds"
for name in "${order[@]}"; do
  printf '%-14s %8.1f frames/s  %7.3f ms/frame\n' "$name" "$(fps "$name")" \
    "$(echo "1000 * ${best[$name]} / $frames" | bc -l)"
done
echo
echo "filter cost per frame with ffmpeg's decoding and conversion subtracted:"
for name in removegrain11 removegrain4 hqdn3d; do
  printf '  %-14s %7.3f ms\n' "$name" "$(echo "1000 * (${best[$name]} - ${best[ffmpeg-io]}) / $frames" | bc -l)"
done
if [ ${#frame_paths[@]} -gt 0 ]; then
  echo
  echo "processFrame per frame over removegrain11's filter cost (below 1: quillane is cheaper):"
  for path in "${frame_paths[@]}"; do
    printf '  processFrame-%-10s %6.2f\n' "$path" \
      "$(echo "${best[processFrame-$path]} / (${best[removegrain11]} - ${best[ffmpeg-io]})" | bc -l)"
  done
fi
echo
echo "command frames/s over ffmpeg's (above 1: quillane is faster):"
for name in removegrain11 removegrain4 hqdn3d; do
  printf '  quillane-1t / %-14s %6.2f\n' "$name" "$(echo "${best[$name]} / ${best[quillane-1t]}" | bc -l)"
done
if $threaded; then
  printf '  quillane-all / quillane-1t   %6.2f (%s threads)\n' "$(echo "${best[quillane-1t]} / ${best[quillane-all]}" | bc -l)" "$cores"
else
  echo "  (this quillane has no --threads: thread scaling not measured)"
fi
