#!/usr/bin/env bash
# A print job through a CUPS server of this test's own: cupsd on a private socket and port, with
# its own configuration, spool and logs in a temporary folder, and one queue that writes what it
# receives to a file. The test program prints through the window's print path and checks what
# arrives. The server is stopped afterwards; a print server of the machine is never touched.
# Usage: check-print.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
program=$build/tests/print_job

missing() {
    # CI must have the server (scripts/setup.sh installs it); elsewhere the test is skipped.
    echo "check-print: $1" >&2
    [[ "${CI:-}" == true ]] && exit 1
    exit 0
}
cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
lpadmin=$(command -v lpadmin || echo /usr/sbin/lpadmin)
[[ -x "$cupsd" && -x "$lpadmin" ]] || missing "cupsd or lpadmin missing (Debian cups-daemon, cups-client)"
[[ -x /usr/lib/cups/filter/gziptoany ]] || missing "the gziptoany filter missing (Debian cups-core-drivers)"
# The scheduler hands its jobs to another user: only root can start it so.
[[ $(id -u) -eq 0 ]] || missing "the test's own print server needs root"
[[ -x "$program" ]] || { echo "check-print: $program missing" >&2; exit 1; }

work=$(mktemp -d)
server=0
cleanup() {
    if ((server)); then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# The scheduler runs its jobs as an unprivileged user, which must reach the spool and the output.
chmod 755 "$work"
mkdir -p "$work"/{spool/tmp,cache,state,log,out,ppd,ssl}
chmod 1777 "$work/spool/tmp" "$work/out"
user=lp
id "$user" >/dev/null 2>&1 || user=$(id -un)
group=$(id -gn "$user")
chown "$user:$group" "$work/spool" "$work/cache" 2>/dev/null || true
# A port of our own that nothing listens on.
for _ in $(seq 1 20); do
    port=$((20000 + RANDOM % 20000))
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || break
done
cat >"$work/cupsd.conf" <<CONF
Listen $work/cups.sock
Listen 127.0.0.1:$port
LogLevel ${DOVRIX_CUPS_LOG:-warn}
Browsing No
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$work/cups-files.conf" <<CONF
FileDevice Yes
ServerRoot $work
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
ServerKeychain $work/ssl
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
User $user
Group $group
SystemGroup root $(id -gn)
CONF

"$cupsd" -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" &
server=$!
export CUPS_SERVER=$work/cups.sock
for _ in $(seq 1 100); do
    [[ -S "$work/cups.sock" ]] && lpstat -r >/dev/null 2>&1 && break
    kill -0 "$server" 2>/dev/null || { cat "$work/log/error_log" >&2 || true; exit 1; }
    sleep 0.1
done
lpstat -r >/dev/null || { echo "check-print: the server did not start" >&2; cat "$work/log/error_log" >&2 || true; exit 1; }

# A queue that takes PDF and passes it on unchanged (gziptoany copies what is not compressed) to
# a file: the job's file arrives as it was sent.
cat >"$work/ppd/dovrix-test.ppd" <<'PPD'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "DOVRIX.PPD"
*Manufacturer: "Dovrix"
*Product: "(Dovrix test queue)"
*ModelName: "Dovrix test queue"
*ShortNickName: "Dovrix test queue"
*NickName: "Dovrix test queue"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*cupsFilter2: "application/pdf application/vnd.cups-pdf 0 gziptoany"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Letter
*PageRegion Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: Letter
*ImageableArea Letter/Letter: "0 0 612 792"
*ImageableArea A4/A4: "0 0 595 842"
*DefaultPaperDimension: Letter
*PaperDimension Letter/Letter: "612 792"
*PaperDimension A4/A4: "595 842"
PPD
"$lpadmin" -p dovrix-test -E -v "file://$work/out/job.pdf" -P "$work/ppd/dovrix-test.ppd" \
    2>"$work/lpadmin.err" || { cat "$work/lpadmin.err" >&2; exit 1; }

export DOVRIX_TEST_PRINTER=dovrix-test
export DOVRIX_TEST_PRINT_OUTPUT=$work/out/job.pdf
export DOVRIX_TEST_CUPSD_PID=$server
status=0
QT_QPA_PLATFORM=offscreen "$program" || status=$?
if ((status)); then
    echo "--- server log" >&2
    cat "$work/log/error_log" >&2 || true
fi
exit "$status"
