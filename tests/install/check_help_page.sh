#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_help_page.sh HELP_PAGE STRING_TABLE: every link inside the help page
# leads to a section of it, and every control it names in bold (class "ui")
# is a caption of the English string table.
set -euo pipefail
exec perl -0777 -e '
    my ($page, $table) = @ARGV;
    open(my $p, "<:encoding(UTF-8)", $page) or die "$page: $!\n";
    my $html = <$p>;
    open(my $t, "<:encoding(UTF-8)", $table) or die "$table: $!\n";
    my %caption;
    for (split /\r?\n/, <$t>) { next unless /=(.*)$/; (my $c = $1) =~ s/&//g; $caption{$c} = 1; }
    my %id = map { $_ => 1 } $html =~ /\bid="([^"]+)"/g;
    my $failed = 0;
    for my $target ($html =~ /href="#([^"]*)"/g) {
        next if $id{$target};
        print "$page: no section \"$target\"\n"; $failed = 1;
    }
    for my $name ($html =~ /<span\s+class="ui">(.*?)<\/span>/gs) {
        $name =~ s/\s+/ /g; $name =~ s/&amp;/&/g; $name =~ s/&//g;
        next if $caption{$name};
        print "$page: \"$name\" is no caption of $table\n"; $failed = 1;
    }
    exit $failed;
' "$@"
