# Sourced by the tests of the built package: `package_of <folder>` sets deb to
# the package that build_package.sh made there, or skips the test when none
# was made (build_package.sh failed or was skipped, and says why).
package_of() {
  deb=$(ls "$1"/tavro_*.deb 2>/dev/null | head -n 1)
  if [ -z "$deb" ]; then
    echo "skipped: no package in $1 (see the test packaging.package)"
    exit 77
  fi
}
