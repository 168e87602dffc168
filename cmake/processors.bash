# The table of processors, cmake/processors, for shell scripts.
# shellcheck shell=bash
processors_table=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/processors
# processors: the table's names, one a line.
processors() { awk '!/^#/ && NF && seen++ { print $1 }' "$processors_table"; }
# processor NAME COLUMN...: the columns COLUMN... of NAME's row, by spaces
# (a value's commas kept); an unknown processor or column fails, saying so.
processor() {
	awk -v name="$1" -v want="${*:2}" '
		/^#/ || !NF { next }
		!seen++ {
			for (i = 1; i <= NF; i++) at[$i] = i
			n = split(want, w, " ")
			for (i = 1; i <= n; i++) if (!(w[i] in at)) { print "no column \"" w[i] "\" in " FILENAME > "/dev/stderr"; bad = 1; exit 1 }
			next
		}
		$1 == name { for (i = 1; i <= n; i++) printf "%s%s", $(at[w[i]]), i < n ? " " : "\n"; found = 1 }
		END { if (!found && !bad) { print "no processor \"" name "\" in " FILENAME > "/dev/stderr"; exit 1 } }
	' "$processors_table"
}
