# Sourced by tools/start and tools/test: makes sure the Debian packages Tavro
# needs are installed, installing the missing ones when run as root.

# What building the program needs.
TAVRO_BUILD_PACKAGES=(g++ cmake make qt6-base-dev)
# What the tests need beyond that: clang-format for the formatting check, the
# test frameworks, the scenario runner's JSON library, the packaging tools,
# validators and checkers (lintian, hardening-check from devscripts), an X
# server with tools to drive the program in it, a window manager, a Wayland
# compositor with Xwayland and Qt's Wayland plugin, xrdb for a screen of
# another dpi, GTK's platform theme, Python to read the windows' layouts in the
# scripts that drive the program, the session and accessibility buses with
# Python's AT-SPI client, to see the program as a screen reader does, and the
# MinGW-w64 compilers and Wine, to build the Qt-free tests for Windows (with
# GoogleTest from the googletest sources) and run them.
TAVRO_TEST_PACKAGES=(clang-format googletest libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev dpkg-dev desktop-file-utils appstream appstream-util lintian devscripts
  libxcb-xtest0-dev xvfb xdotool xclip x11-utils xauth fonts-dejavu-core qt6-gtk-platformtheme
  openbox weston xwayland qt6-wayland x11-xserver-utils
  python3 dbus libglib2.0-bin at-spi2-core python3-pyatspi
  g++-mingw-w64-x86-64-posix wine wine64)

tavro_ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Tavro needs these Debian packages. As root (su -), run:" >&2
    echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    echo "then run this again." >&2
    exit 1
  fi
  echo "Installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# What tools/windows needs beyond building the program: the MinGW-w64 cross
# compiler, Ninja and the source package tools for Qt for Windows, Wine to run
# the Windows programs, NSIS and zip for the installer and the archive, and
# what the tests drive the program with.
TAVRO_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix mingw-w64-tools ninja-build dpkg-dev
  wine wine64 nsis zip unzip icoutils xvfb xdotool xclip x11-utils openbox fonts-dejavu-core python3
  locales libgtest-dev googletest nlohmann-json3-dev)

# Makes sure apt can fetch source packages (apt-get source): where no deb-src
# entry exists, one is added for each of Debian's deb entries, as root;
# otherwise the lines to add are printed.
tavro_ensure_debian_sources() {
  local lists=(/etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources)
  if grep -qsE '^[[:space:]]*(deb-src[[:space:]]|Types:.*deb-src)' "${lists[@]}"; then return 0; fi
  local entries
  entries=$(
    grep -hsE '^[[:space:]]*deb[[:space:]].*debian' /etc/apt/sources.list /etc/apt/sources.list.d/*.list |
      sed -E 's/^[[:space:]]*deb[[:space:]]/deb-src /'
  )
  local deb822
  deb822=$(awk 'BEGIN { RS = ""; ORS = "\n\n" } /Types:[[:space:]]*deb/ && /debian/ {
      sub(/Types:[[:space:]]*deb[^\n]*/, "Types: deb-src"); print }' /etc/apt/sources.list.d/*.sources 2>/dev/null)
  if [ "$(id -u)" -ne 0 ]; then
    echo "Building Qt for Windows needs Debian's source packages. As root, add deb-src entries:" >&2
    [ -n "$entries" ] && printf '  echo %q >> /etc/apt/sources.list.d/debian-src.list\n' "$entries" >&2
    [ -n "$deb822" ] && printf '%s\n' "$deb822" | sed 's/^/  /' >&2 &&
      echo "  (as /etc/apt/sources.list.d/debian-src.sources)" >&2
    echo "then run apt-get update and this again." >&2
    exit 1
  fi
  [ -n "$entries" ] && printf '%s\n' "$entries" >/etc/apt/sources.list.d/tavro-debian-src.list
  [ -n "$deb822" ] && printf '%s' "$deb822" >/etc/apt/sources.list.d/tavro-debian-src.sources
  apt-get update -qq
}
