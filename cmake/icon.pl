#!/usr/bin/perl
# An icon from one XPM per size: every size as a 16-colour image, which Windows 95 and NT 4.0
# show, and as an 8-bit one for the later systems, which prefer the deeper image. The sources
# have a few colours and a transparency that is all or nothing, so the 8-bit image is the same
# picture, pixel for pixel: ImageMagick draws the 16-colour image, and the 8-bit one takes its
# palette, its pixels one to a byte and its mask.
#   icon.pl CONVERT OUTPUT.ico SOURCE.xpm...
use strict;
use warnings;

my ($convert, $output, @sources) = @ARGV;
die "usage: icon.pl CONVERT OUTPUT.ico SOURCE.xpm...\n" unless $output && @sources;

# One 16-colour image from ImageMagick: its size, palette, pixel rows and mask rows.
sub SixteenColours {
    my ($source) = @_;
    open(my $pipe, '-|', $convert, $source, '-type', 'PaletteAlpha', 'ico:-')
        or die "icon.pl: cannot run $convert\n";
    binmode $pipe;
    local $/;
    my $ico = <$pipe>;
    close $pipe or die "icon.pl: $convert failed on $source\n";
    my ($count) = unpack('x4 v', $ico);
    die "icon.pl: $source gave $count images\n" unless $count == 1;
    my ($bytes, $offset) = unpack('x14 V V', $ico);
    my $image = substr($ico, $offset, $bytes);
    my ($width, $height2, $bits, $compression, $used) = unpack('x4 V V x2 v V x12 V', $image);
    die "icon.pl: $source is not a 16-colour image\n" unless $bits == 4 && $compression == 0;
    my $height = $height2 / 2;
    $used ||= 16;
    my $xorRow = (($width * 4 + 31) >> 5) * 4;
    my $andRow = (($width + 31) >> 5) * 4;
    my $at = 40 + 4 * $used;
    return {
        width => $width, height => $height, used => $used, image => $image,
        palette => substr($image, 40, 4 * $used),
        xor => substr($image, $at, $xorRow * $height),
        and => substr($image, $at + $xorRow * $height, $andRow * $height),
        xorRow => $xorRow,
    };
}

# The same picture with one byte per pixel, rows padded to four bytes, bottom row first as
# in the 16-colour image.
sub EightBit {
    my ($p) = @_;
    my $row = (($p->{width} * 8 + 31) >> 5) * 4;
    my $pixels = '';
    for my $y (0 .. $p->{height} - 1) {
        my $line = '';
        for my $x (0 .. $p->{width} - 1) {
            my $byte = ord(substr($p->{xor}, $y * $p->{xorRow} + ($x >> 1), 1));
            $line .= chr($x & 1 ? $byte & 15 : $byte >> 4);
        }
        $pixels .= $line . ("\0" x ($row - length $line));
    }
    my $size = length($pixels) + length($p->{and});
    return pack('V V V v v V V V V V V', 40, $p->{width}, 2 * $p->{height}, 1, 8, 0, $size, 0, 0,
                $p->{used}, 0) . $p->{palette} . $pixels . $p->{and};
}

my @pictures = map { SixteenColours($_) } @sources;
my @images;
push @images, [$_, 16, 4, $_->{image}] for @pictures;
push @images, [$_, 0, 8, EightBit($_)] for @pictures;

my $data = pack('v v v', 0, 1, scalar @images);
my $offset = 6 + 16 * @images;
my $body = '';
for my $entry (@images) {
    my ($p, $colours, $bits, $image) = @$entry;
    $data .= pack('C C C C v v V V', $p->{width} & 255, $p->{height} & 255, $colours, 0, 1, $bits,
                  length $image, $offset);
    $offset += length $image;
    $body .= $image;
}
open(my $out, '>', $output) or die "icon.pl: cannot write $output\n";
binmode $out;
print $out $data, $body;
close $out or die "icon.pl: cannot write $output\n";
