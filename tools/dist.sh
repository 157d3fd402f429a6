#!/bin/sh
# Builds dist/VrelMedTool-1.0.0-win64.zip from the committed sources, twice,
# in two clean checkouts in different folders, and fails unless both builds
# give byte-identical executables.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
version=1.0.0
export SOURCE_DATE_EPOCH=$(git -C "$top" log -1 --format=%ct)
scratch=$(mktemp -d /tmp/vrel-dist.XXXXXX)
trap 'rm -rf "$scratch"' EXIT

build_in() {
  git clone -q "$top" "$1"
  (cd "$1" && cmake --preset windows >/dev/null && cmake --build --preset windows --target VrelMedTool >/dev/null)
  x86_64-w64-mingw32-strip -o "$1/VrelMedTool.exe" "$1/build/windows/app/VrelMedTool.exe"
}
build_in "$scratch/first"
build_in "$scratch/second-checkout"
if ! cmp "$scratch/first/VrelMedTool.exe" "$scratch/second-checkout/VrelMedTool.exe"; then
  echo "dist: the two builds differ; the executable is not reproducible" >&2
  exit 1
fi
echo "dist: two clean builds are byte-identical ($(sha256sum < "$scratch/first/VrelMedTool.exe" | cut -c1-16)...)"

stage="$scratch/VrelMedTool-$version-win64"
mkdir -p "$stage" "$top/dist"
cp "$scratch/first/VrelMedTool.exe" "$stage/"
cp "$top/docs/USER-README.txt" "$stage/README.txt"
(cd "$stage" && sha256sum VrelMedTool.exe README.txt > SHA256SUMS)
find "$stage" -exec touch -d "@$SOURCE_DATE_EPOCH" {} +
zip_file="$top/dist/VrelMedTool-$version-win64.zip"
rm -f "$zip_file"
(cd "$scratch" && zip -q -X -r "$zip_file" "VrelMedTool-$version-win64")
echo "dist: $zip_file"
(cd "$stage" && cat SHA256SUMS && ls -l VrelMedTool.exe)
