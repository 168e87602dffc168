# Sourced by the release tests. answer BIN FOLDER/NAME: what the program
# BIN/NAME writes on its example input, examples/NAME.in ($examples), run
# in a fresh folder under $work: a named-file program's NAME.out, a
# console program's standard output.
answer() {
	local name=${2##*/}
	rm -rf "$work/run" && mkdir "$work/run"
	if [[ $2 == named_file/* ]]; then
		cp "$examples/$name.in" "$work/run/"
		(cd "$work/run" && "$1/$name" </dev/null && cat "$name.out")
	else
		(cd "$work/run" && "$1/$name" <"$examples/$name.in")
	fi
}
