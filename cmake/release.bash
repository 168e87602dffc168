# The release's facts, names and modes, for the scripts that write it and
# the tests that check it, which source it with the build folder:
# . cmake/release.bash BUILD. The facts are those BUILD/release.facts holds,
# written by the build from their one home, cmake/package.cmake.
# shellcheck shell=bash disable=SC2034 # for the scripts that source it
declare -A fact
while IFS='=' read -r key value; do fact[$key]=${value//\'/}; done <"$1/release.facts"
name=${fact[name]} version=${fact[version]} release=${fact[release]} # the release number
commit=${fact[commit]} epoch=${fact[epoch]}    # the commit and its time, the time of every file
native=${fact[native]} processors=${fact[processors]} # this machine's processor; all released, by spaces
programs=${fact[programs]} source=${fact[source]} # the build's list of programs; the source folder
cxx=${fact[cxx]} schemas=${fact[schemas]}     # this machine's compiler; CycloneDX's schemas
# shellcheck source=processors.bash
. "$(dirname "${BASH_SOURCE[0]}")/processors.bash"

licence="${fact[licence_ours]} AND ${fact[licence_libgcc]}" # of the packages, whose programs link libgcc
record=$name-$version-linux-buildinfo.txt   # the build record

# folder P: the release folder of processor P, and its tarball's name
# without .tar.gz.
folder() { echo "$name-$version-linux-$1"; }
# deb_file P, rpm_file P: the names of P's packages.
deb_file() { echo "${name}_$version-${release}_$(processor "$1" debian).deb"; }
rpm_file() { echo "$name-$version-$release.$1.rpm"; }
# names: the programs' names, a line each.
names() { awk '{ print $1 }' "$programs"; }

# fixed TREE: folders and programs (files in a bin folder) mode 0755, other
# files 0644, and every entry the time $epoch.
fixed() {
	find "$1" -type d -exec chmod 0755 {} +
	find "$1" -type f -exec chmod 0644 {} +
	find "$1" -type f -path '*/bin/*' -exec chmod 0755 {} +
	find "$1" -exec touch -h -d "@$epoch" {} +
}
