#!/usr/bin/env bash
# Builds Fyn's Debian package from a release build hardened with Debian's flags, then checks
# it the way Debian and a desktop would: the package's fields and files, lintian, the program
# run from the unpacked package, the desktop entry, the AppStream data, the sheet types and
# their default program, and a double click on a sheet whose path has blanks and diacritics.
# Prints "package: N passed, M failed" and fails when any check failed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash tools/install-dependencies.sh

echo "== release build hardened with dpkg-buildflags"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# CMake reads no CPPFLAGS, so the preprocessor's hardening (_FORTIFY_SOURCE) rides on CXXFLAGS.
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake --preset release -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    -DCMAKE_MODULE_LINKER_FLAGS="$ldflags"
cmake --build --preset release -j "$(nproc)"

echo "== cpack -G DEB"
version=$(sed -n 's/^project(Fyn VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb=$root/build/release/fyn_${version}_$(dpkg --print-architecture).deb
rm -f "$deb"
# Without umask 022 the package's folders carry the builder's group-write bits.
(cd build/release && umask 022 && cpack -G DEB)
echo "$deb"

# The private modules' folder in the package (FYN_MODULE_INSTALL_DIR).
modules=usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/fyn

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0
check() {
    local name=$1
    shift
    if "$@" >"$scratch/out" 2>&1; then
        passed=$((passed + 1))
        echo "ok   $name"
    else
        failed=$((failed + 1))
        echo "FAIL $name"
        sed 's/^/     /' "$scratch/out"
    fi
}

info_lists_expected() {
    local info
    info=$(dpkg-deb --info "$deb")
    echo "$info"
    grep -qx ' Package: fyn' <<<"$info" &&
        grep -qx " Version: $version" <<<"$info" &&
        grep -qx " Architecture: $(dpkg --print-architecture)" <<<"$info" &&
        grep -qE '^ Depends: .*libqt6widgets6' <<<"$info" &&
        for needed in fonts-liberation qt6-translations-l10n xdg-utils libgmime-3.0-0 \
            libqt6printsupport6 libqt6sql6-sqlite; do
            grep -qE "^ Depends: .*\\b$needed\\b" <<<"$info" || return 1
        done &&
        # Nothing to run at installation: the private modules want no ldconfig.
        ! dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E '(preinst|postinst|prerm|postrm|triggers)$'
}

contents_list_expected() {
    local contents
    contents=$(dpkg-deb --contents "$deb")
    echo "$contents"
    for path in ./usr/bin/fyn ./usr/share/applications/fyn.desktop \
        ./usr/share/mime/packages/fyn-sheet.xml ./usr/share/icons/hicolor/scalable/apps/fyn.svg \
        ./usr/share/metainfo/sk.fyn.fyn.metainfo.xml ./usr/share/man/man1/fyn.1.gz \
        ./usr/share/doc/fyn/copyright ./usr/share/doc/fyn/changelog.gz \
        ./usr/share/doc/fyn/README.md \
        ./$modules/contacts.so ./$modules/mailread.so ./$modules/mime.so ./$modules/printing.so \
        ./$modules/year.so; do
        awk '{print $6}' <<<"$contents" | grep -qxF "$path" || { echo "missing: $path"; return 1; }
    done
    # Everything under /usr, owned by root, folders 0755 and files 0644 or 0755.
    ! awk '{print $6}' <<<"$contents" | grep -vE '^\./(usr(/.*)?)?$' &&
        ! awk '$2 != "root/root"' <<<"$contents" | grep . &&
        ! awk '$1 ~ /^d/ && $1 != "drwxr-xr-x"' <<<"$contents" | grep . &&
        ! awk '$1 ~ /^-/ && $1 != "-rw-r--r--" && $1 != "-rwxr-xr-x"' <<<"$contents" | grep .
}

# Its exit status and its report both count: an error fails the check whatever lintian's
# version makes of --fail-on, and without relying on pipefail. The report is shown below.
lintian_has_no_errors() {
    # lintian leaves mldbm-elf-* folders behind in its temporary folder.
    mkdir -p "$scratch/lintian"
    local status=0
    TMPDIR=$scratch/lintian lintian --fail-on error --info --display-level '>=warning' "$deb" \
        >"$scratch/lintian.txt" 2>&1 || status=$?
    ((status == 0)) && ! grep -q '^E: ' "$scratch/lintian.txt"
}

unpacked_program_runs() {
    dpkg -x "$deb" "$scratch/root"
    local answer
    answer=$("$scratch/root/usr/bin/fyn" --version)
    echo "$answer"
    [[ $answer == "Fyn $version" ]]
}

program_is_stripped_and_hardened() {
    local binary=$scratch/root/usr/bin/fyn kind dynamic segments symbols
    kind=$(file "$binary")
    dynamic=$(readelf -d "$binary")
    segments=$(readelf -lW "$binary")
    symbols=$(readelf -sW --dyn-syms "$binary")
    echo "$kind"
    [[ $kind == *", stripped"* ]] &&
        grep -q 'BIND_NOW' <<<"$dynamic" &&
        grep -q 'GNU_RELRO' <<<"$segments" &&
        grep -q '__stack_chk_fail' <<<"$symbols" &&
        grep -qE '__[a-z]+_chk@' <<<"$symbols"
}

# The modules loaded on first use: where the program looks for them (../lib/<triplet>/fyn from
# its bin folder), every library they need found and every symbol resolved, hardened as the
# program.
private_modules_load() {
    local module dynamic
    for module in contacts mime printing year; do
        module=$scratch/root/$modules/$module.so
        echo "$module"
        dynamic=$(readelf -d "$module")
        ldd -r "$module" >"$scratch/ldd" 2>&1
        cat "$scratch/ldd"
        ! grep -qE 'not found|undefined symbol' "$scratch/ldd" &&
            grep -q 'BIND_NOW' <<<"$dynamic" || return 1
    done
}

# FYN_MODULE_DIR is the tests' way to point at other modules; the packaged program, built
# without the tests, must not know the name at all.
program_ignores_module_dir() {
    ! grep -qaF FYN_MODULE_DIR "$scratch/root/usr/bin/fyn"
}

# A session of its own: the unpacked package's data folder and nothing of this machine's.
desktop_env() {
    env -u XDG_CURRENT_DESKTOP -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
        -u DESKTOP_SESSION -u XDG_MENU_PREFIX \
        XDG_DATA_HOME="$scratch/data" XDG_DATA_DIRS="$scratch/no-data" \
        XDG_CONFIG_HOME="$scratch/config" XDG_CONFIG_DIRS="$scratch/no-config" "$@"
}

register_types() {
    mkdir -p "$scratch/data/mime/packages" "$scratch/data/applications" "$scratch/config"
    cp "$scratch/root/usr/share/mime/packages/fyn-sheet.xml" "$scratch/data/mime/packages/"
    cp "$scratch/root/usr/share/applications/fyn.desktop" "$scratch/data/applications/"
    update-mime-database "$scratch/data/mime" &&
        update-desktop-database "$scratch/data/applications"
}

sheet_types_are_known() {
    local sheet updated
    cp examples/Skupina3.t09 "$scratch/Skupina3.T19"
    sheet=$(desktop_env xdg-mime query filetype examples/Skupina3.t09)
    updated=$(desktop_env xdg-mime query filetype "$scratch/Skupina3.T19")
    echo "Skupina3.t09: $sheet; Skupina3.T19: $updated"
    [[ $sheet == application/x-fyn-sheet && $updated == application/x-fyn-updated-sheet ]]
}

fyn_opens_sheets_by_default() {
    local type answer
    for type in application/x-fyn-sheet application/x-fyn-updated-sheet; do
        answer=$(desktop_env xdg-mime query default "$type")
        echo "$type: $answer"
        [[ $answer == fyn.desktop ]] || return 1
    done
}

# The window a program shows first, and with it which sheet it loaded.
first_window_title() {
    desktop_env env FYN_EXIT_WHEN_SHOWN=1 QT_QPA_PLATFORM=offscreen \
        PATH="$scratch/root/usr/bin:$PATH" "$@" 2>/dev/null | sed -n 's/^shown [0-9]* [0-9]* [0-9]* //p'
}

double_click_equals_fyn_path() {
    local folder="$scratch/Zbor Sever/Skupina č. 3 – ľúbezná"
    local sheet="$folder/Správy ťažké.t09"
    mkdir -p "$folder"
    cp examples/Skupina3.t09 "$sheet"
    local -a argv
    mapfile -d '' -t argv < <(/usr/bin/python3 "$root/tools/desktop-exec.py" \
        "$scratch/root/usr/share/applications/fyn.desktop" "$sheet")
    printf 'argv: '
    printf '[%s] ' "${argv[@]}"
    echo
    [[ ${#argv[@]} -eq 2 && ${argv[0]} == fyn && ${argv[1]} == "$sheet" ]] || return 1
    local clicked direct
    clicked=$(first_window_title "${argv[@]}")
    direct=$(first_window_title fyn "$sheet")
    echo "double click: $clicked"
    echo "fyn PATH:     $direct"
    [[ $clicked == "$direct" && $clicked == *" 3 " ]]
}

check "dpkg-deb --info lists the package, its dependencies and no scripts" info_lists_expected
check "dpkg-deb --contents lists every file, under /usr, with Debian's modes" contents_list_expected
check "lintian --fail-on error" lintian_has_no_errors
sed 's/^/     lintian: /' "$scratch/lintian.txt"
check "fyn --version runs from the unpacked package" unpacked_program_runs
check "the program is stripped and hardened" program_is_stripped_and_hardened
check "the private modules load with every symbol resolved" private_modules_load
check "the program ignores FYN_MODULE_DIR" program_ignores_module_dir
check "desktop-file-validate" desktop-file-validate "$scratch/root/usr/share/applications/fyn.desktop"
check "appstreamcli validate --no-net" \
    appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/sk.fyn.fyn.metainfo.xml"
check "the manual page describes every option of --help" \
    bash tools/check-manpage.sh "$scratch/root/usr/bin/fyn" "$scratch/root/usr/share/man/man1/fyn.1.gz"
check "update-mime-database and update-desktop-database" register_types
check "xdg-mime query filetype names the sheet types" sheet_types_are_known
check "xdg-mime query default names fyn.desktop" fyn_opens_sheets_by_default
check "a double click on a sheet equals fyn PATH" double_click_equals_fyn_path

echo "package: $passed passed, $failed failed"
((failed == 0))
