# The release's facts, names and modes, for the scripts that write it and
# the tests that check it: . cmake/release.bash BUILD. The facts are those
# the build wrote into BUILD/release.facts from cmake/package.cmake.
# shellcheck shell=bash disable=SC2034 # for the scripts that source it
declare -A fact
while IFS='=' read -r key value; do fact[$key]=${value//\'/}; done <"$1/release.facts"
name=${fact[name]} version=${fact[version]} release=${fact[release]} # the release number
commit=${fact[commit]} epoch=${fact[epoch]}    # the commit and its time, the time of every file
native=${fact[native]} processors=${fact[processors]} # this machine's processor; all released, by spaces
programs=${fact[programs]} source=${fact[source]} # the build's list of programs; the source folder
cxx=${fact[cxx]} schemas=${fact[schemas]}     # this machine's compiler; CycloneDX's schemas
licence="${fact[licence_ours]} AND ${fact[licence_libgcc]}" # of the packages: ours and libgcc's
record=$name-$version-linux-buildinfo.txt     # the build record
# shellcheck source=processors.bash
. "$(dirname "${BASH_SOURCE[0]}")/processors.bash"

folder() { echo "$name-$version-linux-$1"; } # folder P: P's release folder, its tarball without .tar.gz
deb_file() { echo "${name}_$version-${release}_$(processor "$1" debian).deb"; }
rpm_file() { echo "$name-$version-$release.$1.rpm"; }
names() { awk '{ print $1 }' "$programs"; } # the programs' names, a line each
# fixed TREE: folders and programs (in bin/ or opt/NAME/bin/) 0755, other files 0644, all the release's time.
fixed() {
	find "$1" -type d -exec chmod 0755 {} + -o -type f -exec chmod 0644 {} +
	find "$1" -type f \( -path "$1/bin/*" -o -path "$1/opt/$name/bin/*" \) -exec chmod 0755 {} +
	find "$1" -exec touch -h -d "@$epoch" {} +
}
