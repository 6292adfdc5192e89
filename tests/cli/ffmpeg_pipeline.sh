#!/usr/bin/env bash
# ffmpeg -> quillane -> ffmpeg on a generated clip: the frame count and
# geometry survive, and the luma is what the raw YUY2 path gives.
set -euo pipefail
quillane=$1
command -v ffmpeg >/dev/null && command -v ffprobe >/dev/null || { echo "ffmpeg not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
quiet=(-hide_banner -loglevel error -nostdin)

# A noisy 4:2:2 clip of 12 frames, 100x58 (not a multiple of 8), losslessly stored.
ffmpeg "${quiet[@]}" -f lavfi -i "testsrc2=size=100x58:rate=25,noise=alls=30:allf=t" -frames:v 12 \
  -pix_fmt yuv422p -c:v ffv1 in.mkv

ffmpeg "${quiet[@]}" -i in.mkv -f yuv4mpegpipe - | "$quillane" --quiet --threads 3 - - |
  ffmpeg "${quiet[@]}" -f yuv4mpegpipe -i - -c:v ffv1 out.mkv

read -r geometry < <(ffprobe -v error -count_frames -select_streams v:0 \
  -show_entries stream=width,height,nb_read_frames,pix_fmt -of csv=p=0 out.mkv)
[ "$geometry" = "100,58,yuv422p,12" ] || { echo "output stream is $geometry, expected 100,58,yuv422p,12"; exit 1; }

# The same frames as packed YUY2 through the raw path.
ffmpeg "${quiet[@]}" -i in.mkv -f rawvideo -pix_fmt yuyv422 - | "$quillane" --quiet --raw 100x58 - raw_out.yuy2

luma() { ffmpeg "${quiet[@]}" "$@" -vf extractplanes=y -f rawvideo -; }
luma -i out.mkv > pipe_luma.raw
luma -f rawvideo -pix_fmt yuyv422 -video_size 100x58 -i raw_out.yuy2 > raw_luma.raw
luma -i in.mkv > in_luma.raw
[ -s pipe_luma.raw ] && cmp pipe_luma.raw raw_luma.raw
! cmp -s pipe_luma.raw in_luma.raw || { echo "the luma came out unchanged"; exit 1; }
echo "ffmpeg pipeline: 12 frames of 100x58, luma equal to the raw path"
