#!/usr/bin/env bash
# Serves a vmcntrl program directory on this machine, so that Run in the control panel opens
# a working form: lighttpd in the foreground on 127.0.0.1:PORT with the form processor at
# /scripts/vellum.exe/ and the FORMS folder as the site. Ctrl-C stops it.
#
# Usage: scripts/serve-forms.sh [PORT] [--home DIR] [--processor FILE]
#   PORT        default 8080
#   --home      the program directory with vellum.ini (default: the per-user home,
#               ~/.local/share/vmcntrl)
#   --processor the vellum.exe to run (default: the one beside the vmcntrl of that home, else
#               the installed /usr/lib/vmcntrl/vellum.exe, else this tree's build)
#
# The lighttpd configuration includes the shipped snippet (packaging/lighttpd/50-vellum.conf,
# or the installed one), setting only its two paths for this home.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
port=8080
home=${XDG_DATA_HOME:-$HOME/.local/share}/vmcntrl
processor=

fail() {
    echo "serve-forms: $*" >&2
    exit 1
}

while [ $# -gt 0 ]; do
    case $1 in
    --home)
        [ $# -ge 2 ] || fail "--home needs a directory"
        home=$2
        shift 2
        ;;
    --processor)
        [ $# -ge 2 ] || fail "--processor needs a file"
        processor=$2
        shift 2
        ;;
    -h | --help)
        sed -n '2,14p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
        exit 0
        ;;
    *)
        if ! [[ $1 =~ ^[0-9]+$ ]] || [ "$1" -lt 1 ] || [ "$1" -gt 65535 ]; then
            fail "not a port: $1"
        fi
        port=$1
        shift
        ;;
    esac
done

lighttpd=$(command -v lighttpd || echo /usr/sbin/lighttpd)
[ -x "$lighttpd" ] || fail "lighttpd is not installed (sudo apt-get install lighttpd)"
[ -d "$home" ] || fail "there is no program directory $home (start vmcntrl once, or give --home)"
home=$(cd "$home" && pwd)
[ -d "$home/FORMS" ] || fail "$home has no FORMS folder; is it a vmcntrl program directory?"

if [ -z "$processor" ]; then
    for candidate in "$home/vellum.exe" /usr/lib/vmcntrl/vellum.exe \
        "$here/../build/programs/vmcntrl/vellum.exe"; do
        # The home's own copy counts only in a program directory that holds vmcntrl itself,
        # not in a per-user home, where an old copy may have been left behind.
        if [ "$candidate" = "$home/vellum.exe" ] && [ ! -x "$home/vmcntrl" ]; then
            continue
        fi
        if [ -x "$candidate" ]; then
            processor=$candidate
            break
        fi
    done
fi
if [ -z "$processor" ] || [ ! -x "$processor" ]; then
    fail "no vellum.exe found; build it or give --processor"
fi
processor_dir=$(cd "$(dirname "$processor")" && pwd)
[ "$(basename "$processor")" = vellum.exe ] || fail "the processor must be named vellum.exe"

snippet=$here/../packaging/lighttpd/50-vellum.conf
[ -f "$snippet" ] || snippet=/etc/lighttpd/conf-available/50-vellum.conf
[ -f "$snippet" ] || fail "the lighttpd snippet 50-vellum.conf is missing"

for path in "$home" "$processor_dir" "$snippet"; do
    [[ $path != *'"'* ]] || fail "lighttpd cannot be given a path with a double quote: $path"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/serve-forms.XXXXXX")
trap 'rm -rf "$work"' EXIT
cat >"$work/lighttpd.conf" <<EOF
server.document-root = "$home/FORMS"
server.bind = "127.0.0.1"
server.port = $port
server.errorlog = "$work/lighttpd-error.log"
index-file.names = ( "index.html", "index.htm" )
mimetype.assign = ( ".html" => "text/html", ".htm" => "text/html", ".txt" => "text/plain",
                    ".css" => "text/css", ".png" => "image/png", ".gif" => "image/gif",
                    ".jpg" => "image/jpeg" )
include "$(cd "$(dirname "$snippet")" && pwd)/$(basename "$snippet")"
\$HTTP["url"] =^ "/scripts/" {
    alias.url := ( "/scripts/" => "$processor_dir/" )
    setenv.set-environment := ( "VELLUM_HOME" => "$home" )
}
EOF
"$lighttpd" -tt -f "$work/lighttpd.conf" >"$work/check.log" 2>&1 ||
    fail "lighttpd does not take the configuration: $(cat "$work/check.log")"

cat <<EOF
Serving $home
  forms:      http://127.0.0.1:$port/NAME.html   (the FORMS folder)
  processor:  http://127.0.0.1:$port/scripts/vellum.exe/NAME   ($processor)
In the control panel's Settings, Server Properties, set
  Windows CGI URL:              http://127.0.0.1:$port/scripts/
  Mail Server Address or Name:  your SMTP server (host or host:port)
  E-Mail Return Address:        the address the form mail comes from
and start the panel on the same folder (vmcntrl --home $home). Forms made before you set
the URL still post to the old address: make them again with the Script Wizard.
Logs: $home/error.log and $home/vellsmtp.log. Press Ctrl-C to stop.
EOF

# lighttpd stays in the foreground; Ctrl-C reaches it directly, TERM is passed on.
"$lighttpd" -D -f "$work/lighttpd.conf" &
server=$!
stopping=0
trap 'stopping=1; kill -TERM "$server" 2>/dev/null || true' TERM INT
status=0
wait "$server" || status=$?
if [ "$stopping" = 1 ]; then
    # The signal ended the first wait; this one collects lighttpd's own exit.
    wait "$server" 2>/dev/null || true
    status=0
fi
exit "$status"
