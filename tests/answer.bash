# Sourced by the release tests, which set $work and have sourced
# cmake/release.bash ($programs, $source).
# shellcheck shell=bash disable=SC2154 # $work, $programs and $source are the caller's
#
# answer BIN NAME [EMULATOR]: what the program BIN/NAME writes on its
# example input, run in a fresh folder under $work (through EMULATOR, a
# qemu-user, for another processor's program): a named-file program's
# NAME.out, a console program's standard output.
answer() {
	local run example=$source/examples/$2.in
	read -ra run <<<"${3-}"
	rm -rf "$work/run" && mkdir "$work/run"
	if [ "$(awk -v n="$2" '$1 == n { print $2 }' "$programs")" = named ]; then
		cp "$example" "$work/run/"
		(cd "$work/run" && "${run[@]}" "$1/$2" </dev/null && cat "$2.out")
	else
		(cd "$work/run" && "${run[@]}" "$1/$2" <"$example")
	fi
}

# elf FILE: its ELF class, byte order and machine (two bytes), as bytes 4,
# 5, 18 and 19 of its header, in the form of the table's elf column.
elf() { echo "$(od -An -tu1 -j4 -N2 "$1" | xargs) $(od -An -tu1 -j18 -N2 "$1" | xargs)" | tr ' ' ,; }
