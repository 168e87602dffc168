# Sourced by the release tests, which set $work and $examples.
# shellcheck shell=bash disable=SC2154 # $work and $examples are the caller's
#
# answer BIN FOLDER/NAME [EMULATOR]: what the program BIN/NAME writes on
# its example input, examples/NAME.in ($examples), run in a fresh folder
# under $work (through EMULATOR, a qemu-user, for another processor's
# program): a named-file program's NAME.out, a console program's standard
# output.
answer() {
	local name=${2##*/} run
	read -ra run <<<"${3-}"
	rm -rf "$work/run" && mkdir "$work/run"
	if [[ $2 == named_file/* ]]; then
		cp "$examples/$name.in" "$work/run/"
		(cd "$work/run" && "${run[@]}" "$1/$name" </dev/null && cat "$name.out")
	else
		(cd "$work/run" && "${run[@]}" "$1/$name" <"$examples/$name.in")
	fi
}

# elf FILE: its ELF class, byte order and machine (two bytes), as bytes 4,
# 5, 18 and 19 of its header, in the form of the table's elf column
# (commas as spaces).
elf() { echo "$(od -An -tu1 -j4 -N2 "$1" | xargs) $(od -An -tu1 -j18 -N2 "$1" | xargs)"; }
