#!/bin/sh
# The .deb that `make package` builds, unpacked with dpkg-deb into a scratch
# root: its files pass appstreamcli's check of an installed tree, and its
# vespera finds its data there and draws the chart the build tree draws,
# pixel for pixel, with the same panel. lintian finds no error in it (its
# warnings are shown; without lintian that check alone is left out). Skipped
# (77) without the other tools.
#   paquete_test.sh BUILD_DIR BUILD_TREE_VESPERA
set -eu
construccion=$1
arbol=$2
for herramienta in cpack dpkg-deb dpkg-shlibdeps appstreamcli cmp; do
  if ! command -v "$herramienta" >/dev/null 2>&1; then
    echo "Omitida: falta $herramienta (make deps lo instala)."
    exit 77
  fi
done
tmp=$(mktemp -d)
trap 'wait; rm -rf "$tmp"' EXIT

if ! cpack --config "$construccion/CPackConfig.cmake" -B "$tmp/paquete" >"$tmp/cpack.txt" 2>&1; then
  cat "$tmp/cpack.txt"
  exit 1
fi
dpkg-deb -x "$tmp"/paquete/vespera_*.deb "$tmp/raiz"

# lintian reads the .deb while the rest runs. Its warnings are printed but
# fail nothing, since each lintian version brings new ones.
lintian=
if command -v lintian >/dev/null 2>&1; then
  lintian --fail-on error "$tmp"/paquete/vespera_*.deb >"$tmp/lintian.txt" 2>&1 &
  lintian=$!
else
  echo "Sin comprobar con lintian: falta lintian (make deps lo instala)."
fi

appstreamcli validate-tree --no-net "$tmp/raiz/usr"

# Each copy in a folder and a home of its own, with no display and no hint
# of where its data are.
dibuja() {
  mkdir -p "$tmp/$2/casa" "$tmp/$2/run"
  chmod 700 "$tmp/$2/run"
  (cd "$tmp/$2" && env -u DISPLAY -u WAYLAND_DISPLAY -u VESPERA_CARPETA -u XDG_DATA_HOME \
     HOME="$tmp/$2/casa" XDG_RUNTIME_DIR="$tmp/$2/run" QT_QPA_PLATFORM=offscreen \
     "$1" --render carta.png --size 640x480 >panel.txt)
}
dibuja "$tmp/raiz/usr/bin/vespera" instalado
dibuja "$arbol" arbol
cmp "$tmp/instalado/panel.txt" "$tmp/arbol/panel.txt"
cmp "$tmp/instalado/carta.png" "$tmp/arbol/carta.png"
echo "El paquete dibuja la misma carta: $(head -1 "$tmp/instalado/panel.txt")"
if [ -n "$lintian" ]; then
  fallo=0
  wait "$lintian" || fallo=1
  cat "$tmp/lintian.txt"
  if [ "$fallo" = 1 ]; then
    echo "lintian encuentra errores en el paquete."
    exit 1
  fi
fi
