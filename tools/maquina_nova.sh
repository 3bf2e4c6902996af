#!/usr/bin/env bash
# Runs the whole check on a fresh Debian, as a new maintainer's machine would: a
# minimal root of the release named (mmdebstrap), with this machine's certificate
# authorities and apt settings carried in, the last commit cloned into it, and
# .ci/run run there as CI runs it, with nothing run before it. Needs root, and
# Debian's mmdebstrap; takes a quarter of an hour or more, so CI does not run it.
# Usage: tools/maquina_nova.sh [--manter] bookworm|trixie [STAGE...]
#        --manter keeps the root afterwards, for a look inside; STAGE... go to .ci/run.
set -euo pipefail
projeto=$(cd "$(dirname "$0")/.." && pwd)

manter=false
if [ "${1:-}" = --manter ]; then
    manter=true
    shift
fi
versao=${1:-}
case "$versao" in
    bookworm | trixie) shift ;;
    *)
        echo "usage: $0 [--manter] bookworm|trixie [STAGE...]" >&2
        exit 2
        ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "$0: mmdebstrap and chroot need root" >&2; exit 2; }
command -v mmdebstrap >/dev/null || { echo "$0: needs mmdebstrap (apt-get install mmdebstrap)" >&2; exit 2; }

raiz=$(mktemp -d "/var/tmp/maquina-nova-$versao.XXXXXX")
montagens=()
desmontar() {
    local i
    for ((i = ${#montagens[@]} - 1; i >= 0; i--)); do umount -l "${montagens[i]}" 2>/dev/null || true; done
    # A mount left in the root would take the host's /dev or /proc down with it.
    if $manter || grep -q " $raiz/" /proc/mounts; then
        echo "the root is kept in $raiz"
    else
        rm -rf "$raiz"
    fi
}
trap desmontar EXIT

# The host's own apt settings, those no package installed (a proxy, a mirror's rules).
opcoes_apt=()
for arquivo in /etc/apt/apt.conf.d/*; do
    dpkg -S "$arquivo" >/dev/null 2>&1 || opcoes_apt+=("--aptopt=$arquivo")
done
espelho=$(sed -n 's/^URIs: *\(.*debian\)$/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1)
espelho=${espelho:-http://deb.debian.org/debian}

inicio=$SECONDS
mmdebstrap --mode=root --variant=apt --include=sudo,ca-certificates,git "${opcoes_apt[@]}" \
    --customize-hook='copy-in /usr/local/share/ca-certificates /usr/local/share' \
    --customize-hook='chroot "$1" update-ca-certificates --fresh >/dev/null' \
    "$versao" "$raiz" "deb $espelho $versao main" "deb $espelho $versao-updates main" \
    "deb ${espelho%/debian}/debian-security $versao-security main"
cp /etc/resolv.conf "$raiz/etc/resolv.conf"

git clone --quiet "$projeto" "$raiz/root/adivinhe"
[ ! -d "$projeto/../shared" ] || cp -r "$projeto/../shared" "$raiz/root/shared"

for ponto in proc sys dev dev/pts; do
    mount --bind "/$ponto" "$raiz/$ponto"
    montagens+=("$raiz/$ponto")
done
mount -t tmpfs tmpfs "$raiz/dev/shm"
montagens+=("$raiz/dev/shm")

status=0
chroot "$raiz" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    CI=true LANG=C.UTF-8 bash -c 'cd /root/adivinhe && bash .ci/run "$@"' ci "$@" </dev/null || status=$?
echo "$versao: .ci/run ended with status $status after $((SECONDS - inicio)) s, the root's making included"
exit "$status"
