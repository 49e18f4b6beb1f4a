# The setup program as a Windows learner gets it: built by cpack from the build folder, installed silently
# into the Wine prefix, a drill opened through its file type as a double-click opens it, then uninstalled.
# Sourced by wine_tests.sh.

# The default value of registry key $1, or nothing when the key is missing.
registry_value() { wine reg query "$1" /ve 2>/dev/null | iconv -f CP932 | sed -nE 's/.*REG_SZ +(.*)\r$/\1/p'; }
registry_values() {
    local key
    for key in '.m7' 'qm7w.Drill' 'qm7w.Drill\DefaultIcon' 'qm7w.Drill\shell\open\command'; do
        echo "$(registry_value "HKLM\\Software\\Classes\\$key")"
    done
}
# The name, version and uninstaller lines of the setup's entry in the list of installed programs.
uninstall_entry() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\qm7w' 2>/dev/null |
        sed -nE 's/^ +Display(Name|Version) +REG_SZ +(.*)\r$/\2/p; s/^ +UninstallString .*/1/p' | xargs
}
milliseconds() { echo $(($(date +%s%N) / 1000000)); }
elapsed() { echo "$(($(milliseconds) - $1)) ms"; }

test_setup() {
    local t="setup" setup start took samples drill folder log listing
    local MENU="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/QM7W"
    folder="$WINEPREFIX/drive_c/Program Files/qm7w"
    log="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/qm7w/QM7Kekka.DAT"
    setup=$(cd "$BUILD" && rm -f qm7w-*-win64.exe && cpack -G NSIS >/dev/null && ls "$BUILD"/qm7w-*-win64.exe) ||
        { fail "$t: cpack -G NSIS makes the setup program" && return; }
    # What a failed earlier run left in the folder goes; a program still installed is the setup's to remove.
    [[ -e $folder/Uninstall.exe ]] || rm -rf "$folder"
    # A Wine server of the true time, as the programs started below have.
    wineserver -k 2>/dev/null
    wineserver -w
    start=$(milliseconds)
    wine "$setup" /S
    took=$(elapsed "$start")
    samples=$(ls "$ROOT"/samples/*.{m7,txt,bmp,wav} | wc -l)
    # The files of the package, each in its place.
    expect_eq "$t: /S installs the program, sounds, help, drill icon, samples and uninstaller in $took" \
        "$(cd "$folder" && find . -type f ! -path './samples/*' | sort | xargs) $(ls "$folder/samples" | wc -l)" \
        "./Qm7wh.hlp ./Uninstall.exe ./buzz.wav ./drill.ico ./pinpon.wav ./qm7w.exe $samples"
    expect_eq "$t: the drill file type" "$(registry_values)" "$(printf '%s\n' qm7w.Drill "QM7W 問題ファイル" \
        'C:\Program Files\qm7w\drill.ico' '"C:\Program Files\qm7w\qm7w.exe" "%1"')"
    check "$t: the Start menu entry" test -f "$MENU/QM7W.lnk"
    expect_eq "$t: the installed program's entry" "$(uninstall_entry)" \
        "QM7W $(sed -nE 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt") 1"

    # A drill with a Japanese name and a space, in a folder with both.
    drill="$WORK/私の ドリル/表 1.m7"
    mkdir -p "${drill%/*}" && rm -f "$log"
    printf '%s\r\n' 表 hyou /R "I ___ a student." "#am#is" 1 | iconv -t CP932 >"$drill"
    listing=$(find "$folder" -printf '%p %s %T@\n')
    wine start /unix "$drill" && window_up && first_question ||
        { fail "$t: the drill opens through its file type" && return; }
    press 1
    close_box 20
    # Until a drill has been chosen in it, the open dialog starts in the installed samples.
    wine reg delete 'HKCU\Software\qm7w' /f >/dev/null 2>&1
    check "$t: the first open dialog starts in the samples" eval 'open_drill joshi.m7 && first_question'
    click "${EXIT_BUTTON[@]}"
    check "$t: the run through the file type ends; its record is in %APPDATA%\\qm7w" eval 'wait_for 10 no_window Mn1 &&
        appended_one "$log" /dev/null "[0-9]{6} [0-9]{6}-[0-9]{6},[0-9]{3}001001000001hyou"'
    check "$t: nothing written under Program Files" eval '[[ $(find "$folder" -printf "%p %s %T@\n") == "$listing" ]]'

    # The uninstaller copies itself away and ends at once; its copy removes the Start menu entry last.
    start=$(milliseconds)
    wine "$folder/Uninstall.exe" /S
    wait_for 20 eval '[[ ! -e $folder && ! -e $MENU ]]'
    check "$t: /S uninstalls the files and the Start menu entry in $(elapsed "$start")" \
        eval '[[ ! -e $folder && ! -e $MENU ]]'
    expect_eq "$t: the file type and the installed program's entry are gone" \
        "$(registry_values | tr -d '\n')$(uninstall_entry)" ""
    check "$t: the learner's results are left" test -s "$log"
}
