# The Wine the Windows program is tested and measured under, sourced with BUILD set to the Windows build
# folder: its settings exported, wine (Wine under the Japanese locale) and prepare_wine, which makes it.
#
# A Wine of the build folder's own. Its code page is 932 under a Japanese locale, made without root like
# the comma locale of the core tests. Without a window manager Wine must draw the frames itself, or each
# close waits about 2 s and a modal box takes the keyboard focus away for good.
# The locale is Wine's alone: the callers read bytes.
export WINEPREFIX=$BUILD/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
WINE_LOCALE=(LOCPATH="$BUILD/locale" LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8)
wine() { env "${WINE_LOCALE[@]}" wine "$@"; }
prepare_wine() {
    mkdir -p "$BUILD/locale"
    [[ -f $BUILD/locale/ja_JP.UTF-8/LC_CTYPE ]] || localedef -c -i ja_JP -f UTF-8 "$BUILD/locale/ja_JP.UTF-8" || return
    if [[ ! -f $WINEPREFIX/qm7w-ready ]]; then
        wine wineboot -i && wineserver -w && wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f &&
            wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f &&
            cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" &&
            touch "$WINEPREFIX/qm7w-ready" || return
    fi >/dev/null 2>&1
}
