# Sourced: the environment every Wine run of the project uses.
# The prefix lives inside the build tree, never in the user's home.
_velun_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
WINESERVER=$(command -v wineserver || command -v wineserver-stable || echo /usr/lib/wine/wineserver)

# Which Windows tree runs here. The deliverables are 32-bit (build/win32),
# but some kernels run no 32-bit code at all (booted without ia32
# emulation): there neither 32-bit Wine nor its WoW64 mode can start a
# 32-bit program, and the Windows suite runs the same sources built for
# x86-64 (build/win64) under 64-bit Wine instead.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  VELUN_WINDOWS_PRESET=win32
  export WINEARCH=win32 WINEPREFIX="$_velun_root/build/wine"
  WINE=$(command -v wine || command -v wine-stable || echo /usr/lib/wine/wine)
else
  VELUN_WINDOWS_PRESET=win64
  export WINEARCH=win64 WINEPREFIX="$_velun_root/build/wine64"
  WINE=$(command -v wine64 || command -v wine64-stable || echo /usr/lib/wine/wine64)
fi
VELUN_WINDOWS_BUILD="$_velun_root/build/$VELUN_WINDOWS_PRESET"
export WINE WINESERVER VELUN_WINDOWS_PRESET VELUN_WINDOWS_BUILD

# Wine's own fonts in the prefix: this Wine looks for them only in
# C:\windows\Fonts, which wineboot leaves empty, and does not find the ones
# the fonts-wine package puts in /usr/share/wine/fonts. Without Marlett the
# caption buttons show its letters 0, 1 and r instead of their glyphs.
wine_own_fonts() {
  local dir
  for dir in /usr/share/wine/fonts /usr/lib/wine/fonts; do
    [ -d "$dir" ] && cp -n "$dir"/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
  done
  return 0
}

# Japanese font substitutes and the virtual desktop with a taskbar (a real tray).
# `wine reg` starts a desktop with the old registry, so the server is
# restarted afterwards.
wine_fonts_and_desktop() {
  local fonts='HKCU\Software\Wine\Fonts\Replacements'
  "$WINE" reg add "$fonts" /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f >/dev/null 2>&1
  "$WINE" reg add "$fonts" /v 'ＭＳ ゴシック' /d IPAGothic /f >/dev/null 2>&1
  "$WINE" reg add "$fonts" /v 'MS UI Gothic' /d IPAPGothic /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d velun /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v velun /d 1024x768 /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops\velun' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1
  "$WINESERVER" -k || true
  "$WINESERVER" -w || true
}
