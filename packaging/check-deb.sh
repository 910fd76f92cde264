#!/usr/bin/env bash
# Builds the Debian package from a built tree, installs it system-wide, and runs both programs
# from /usr/bin the way a user would: as an ordinary account (nobody) with a fresh home, so
# the read-only install must seed the per-user folders. Then removes the package again.
#
# Usage (as root, on a machine with dpkg): packaging/check-deb.sh [BUILD_DIR]
#
# It installs a package system-wide, so it never runs by default; CTest runs it only in a
# tree configured with -DTEST_DEB_PACKAGE=ON.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
package=tessaly-vellum
user=nobody
group=$(id -gn "$user")

fail() {
    echo "check-deb: $*" >&2
    exit 1
}

[ "$(id -u)" = 0 ] || fail "run as root: the package is installed system-wide"
command -v dpkg >/dev/null || fail "dpkg is needed"
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    fail "$package is already installed; remove it first so the check starts clean"
fi

if ! (cd "$build" && cpack -G DEB >"$build/cpack.log" 2>&1); then
    cat "$build/cpack.log" >&2
    fail "cpack failed (its output is above and in $build/cpack.log)"
fi
deb=$(ls -t "$build"/"$package"_*.deb | head -n 1)
echo "package: $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)"

work=$(mktemp -d /tmp/check-deb.XXXXXX)
lighttpd_pid=
cleanup() {
    [ -z "$lighttpd_pid" ] || kill "$lighttpd_pid" 2>/dev/null || true
    dpkg -P "$package" >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

if command -v apt-get >/dev/null; then
    apt-get install -y -qq "$deb" >/dev/null
else
    dpkg -i "$deb" >/dev/null
fi
echo "installed: $(dpkg-query -W -f='${Package} ${Version}' "$package")"

for program in tessaly vmcntrl; do
    [ -x "/usr/bin/$program" ] || fail "no /usr/bin/$program"
    [ -f "/usr/share/applications/$program.desktop" ] || fail "no desktop entry for $program"
    [ -f "/usr/share/icons/hicolor/48x48/apps/$program.png" ] || fail "no icon for $program"
done

chmod 755 "$work"
home=$work/home
site=$work/site
mkdir -p "$home" "$site"
chown "$user:$group" "$home" "$site"

# Runs a command as the ordinary user with nothing of root's environment.
as_user=(setpriv --reuid="$user" --regid="$group" --clear-groups
    env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen LANG=C.UTF-8)

# A program that is still up after five seconds has started; timeout then reports 124.
for program in tessaly vmcntrl; do
    status=0
    timeout 5 "${as_user[@]}" "/usr/bin/$program" >"$work/$program.log" 2>&1 || status=$?
    [ "$status" = 124 ] || fail "$program did not stay up (exit $status): $(cat "$work/$program.log")"
    echo "$program started from /usr/bin and stayed up for 5 s"
done

tessaly_home=$home/.local/share/tessaly
vmcntrl_home=$home/.local/share/vmcntrl
for file in Tessaly.hlp ts.wav MultiList.class framer_list.class pictures/splash.png; do
    [ -f "$tessaly_home/$file" ] || fail "the per-user tessaly folder lacks $file"
done
for file in vellum.hlp template/0.fm pictures/about.png; do
    [ -f "$vmcntrl_home/$file" ] || fail "the per-user vmcntrl folder lacks $file"
done
for folder in FORMS SAVED mail; do
    [ -d "$vmcntrl_home/$folder" ] || fail "the per-user vmcntrl folder lacks $folder/"
done
[ ! -e "$tessaly_home/tessaly" ] || fail "the executable was copied into the per-user folder"
echo "per-user folders seeded: $(find "$tessaly_home" -type f | wc -l) files for tessaly," \
    "$(find "$vmcntrl_home" -type f | wc -l) for vmcntrl"
if find /usr/lib/tessaly /usr/lib/vmcntrl -newer "$deb" -type f | grep -q .; then
    fail "a program wrote into its installed folder: $(find /usr/lib/tessaly /usr/lib/vmcntrl -newer "$deb" -type f)"
fi
own=$(cd "$home/.local/share" && for f in tessaly/* vmcntrl/*; do
    [ -e "/usr/lib/$f" ] || printf '%s ' "$f"
done)
echo "written by the programs themselves: ${own:-nothing}"

# tessaly --compile copies the installed class files next to the author's pages.
crlf=$'\r\n'
printf '%s' "[File Location]${crlf}Default Directory=$site${crlf}" >"$work/Tessaly.ini"
install -o "$user" -g "$group" -m 644 "$work/Tessaly.ini" "$tessaly_home/Tessaly.ini"
printf '%s' "[Link]${crlf}Link Desc 0=One${crlf}Link URL 0=a.htm${crlf}Link Frame 0=_self${crlf}" \
    "Link Desc 1=Two${crlf}Link URL 1=b.htm${crlf}Link Frame 1=_top${crlf}" \
    "[Properties]${crlf}Link Type=Window list${crlf}Alignment=Left${crlf}Font Type=Helvetica${crlf}" \
    "Font Size=10${crlf}Font Style=Normal${crlf}Text Colour=H000000${crlf}Backgorund Colour=H808080${crlf}" \
    >"$work/menu.tsy"
chmod 644 "$work/menu.tsy"
fragment=$("${as_user[@]}" /usr/bin/tessaly --compile "$work/menu.tsy") || fail "tessaly --compile failed"
grep -q '<APPLET CODE="framer"' <<<"$fragment" || fail "tessaly --compile wrote no applet code: $fragment"
copied=0
for class in MultiList myfont mylist createcolor multdesc framer framer_list; do
    cmp -s "/usr/lib/tessaly/$class.class" "$site/$class.class" ||
        fail "--compile did not copy $class.class from the installed program"
    copied=$((copied + 1))
done
echo "tessaly --compile: applet code written, $copied class files copied from /usr/lib/tessaly"

# vmcntrl --wizard turns every shipped template into a form; read each form back.
forms=0
for fm in /usr/lib/vmcntrl/template/*.fm; do
    n=$(basename "$fm" .fm)
    name=Form_$n
    "${as_user[@]}" /usr/bin/vmcntrl --wizard "$name" --template "$n" --save data --replace >/dev/null ||
        fail "vmcntrl --wizard with template $n failed"
    form=$vmcntrl_home/FORMS/$name.html
    [ -f "$form" ] || fail "template $n: no $form"
    grep -Eq "<FORM METHOD=\"POST\" ACTION=\"[^\"]*vellum\.(exe|dll)/$name\">" "$form" ||
        fail "template $n: the form has no form tag for the script"
    grep -q '</FORM>' "$form" || fail "template $n: the form is not closed"
    fields=0
    while IFS= read -r field; do
        grep -Eq "NAME=\"[0-9]{2}$field\"" "$form" || fail "template $n: field $field is missing or unnumbered"
        fields=$((fields + 1))
    done < <(grep -o 'NAME="[^"]*"' "$fm" | sed 's/^NAME="//; s/"$//' | sort -u)
    [[ $(head -n 1 "$vmcntrl_home/SAVED/$name.csv") == '"E-Mail",'* ]] ||
        fail "template $n: the data file does not start with the field names"
    echo "vmcntrl --wizard template $n: form tag and $fields field names read back"
    forms=$((forms + 1))
done
[ "$forms" -ge 4 ] || fail "only $forms templates were shipped"

# The form processor: installed beside the panel, its lighttpd snippet available but off, and
# /var/lib/vellum ready for the web server's user. A private lighttpd that includes the
# installed snippet unchanged then runs a script made there, as a site would.
snippet=/etc/lighttpd/conf-available/50-vellum.conf
vellum_home=/var/lib/vellum
[ -x /usr/lib/vmcntrl/vellum.exe ] || fail "no /usr/lib/vmcntrl/vellum.exe"
[ -f "$snippet" ] || fail "no lighttpd snippet in /etc/lighttpd/conf-available"
[ ! -e /etc/lighttpd/conf-enabled/50-vellum.conf ] || fail "the install enabled the lighttpd snippet"
[ "$(stat -c %U "$vellum_home")" = www-data ] || fail "$vellum_home does not belong to www-data"
[ -f "$vellum_home/template/0.fm" ] || fail "$vellum_home has no form templates"
echo "processor: /usr/lib/vmcntrl/vellum.exe, $snippet (not enabled), $vellum_home for www-data"
if [ -x /usr/sbin/lighttpd ] && command -v curl >/dev/null; then
    port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    as_www=(setpriv --reuid=www-data --regid=www-data --clear-groups
        env -i HOME="$vellum_home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen LANG=C.UTF-8)
    printf '%s' "[Config]${crlf}WinScriptAlias=/scripts/${crlf}" >"$work/vellum.ini"
    install -o www-data -g www-data -m 644 "$work/vellum.ini" "$vellum_home/vellum.ini"
    "${as_www[@]}" /usr/bin/vmcntrl --home "$vellum_home" --wizard Deb_Check --template 0 --save data \
        >/dev/null || fail "vmcntrl --wizard in $vellum_home failed"
    mkdir -p "$work/www" "$work/logs"
    chown www-data:www-data "$work/logs" # lighttpd opens its log after taking that user
    {
        echo "server.document-root = \"$work/www\""
        echo 'server.bind = "127.0.0.1"'
        echo "server.port = $port"
        echo 'server.username = "www-data"'
        echo 'server.groupname = "www-data"'
        echo "server.errorlog = \"$work/logs/lighttpd-error.log\""
        echo "include \"$snippet\""
    } >"$work/lighttpd.conf"
    /usr/sbin/lighttpd -D -f "$work/lighttpd.conf" &
    lighttpd_pid=$!
    for _ in $(seq 100); do
        curl -s -o /dev/null "http://127.0.0.1:$port/" && break
        kill -0 "$lighttpd_pid" 2>/dev/null || fail "lighttpd did not start: $(cat "$work/logs/lighttpd-error.log")"
        sleep 0.1
    done
    url=http://127.0.0.1:$port/scripts/vellum.exe/Deb_Check
    curl -sf "$url" | grep -q 'ACTION="/scripts/vellum.exe/Deb_Check"' ||
        fail "GET $url did not answer with the script's form"
    status=$(curl -s -o "$work/answer.html" -w '%{http_code}' -e "$url" \
        --data-urlencode "00E-Mail=ada@vellum.test" --data-urlencode "01Name=Ada" "$url")
    kill "$lighttpd_pid"
    wait "$lighttpd_pid" 2>/dev/null || true
    [ "$status" = 200 ] || fail "the submission answered $status: $(cat "$work/answer.html")"
    grep -q '^"ada@vellum.test","Ada"' "$vellum_home/SAVED/Deb_Check.csv" ||
        fail "the submission was not saved in $vellum_home/SAVED/Deb_Check.csv"
    echo "lighttpd with the installed snippet: form served, submission saved as www-data"
fi

dpkg -r "$package" >/dev/null
[ ! -e /usr/bin/tessaly ] && [ ! -e /usr/lib/vmcntrl/vmcntrl ] || fail "dpkg -r left the programs behind"
[ -d "$vellum_home/SAVED" ] || fail "dpkg -r deleted the submissions in $vellum_home"
echo "removed: $package (submissions kept)"
dpkg -P "$package" >/dev/null
[ ! -e "$vellum_home" ] && [ ! -e "$snippet" ] || fail "dpkg -P left $vellum_home or the snippet behind"
echo "purged: $package"
echo "check-deb: all passed"
