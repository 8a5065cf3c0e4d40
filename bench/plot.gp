# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# Time against address count for the control's load and the stock
# QTreeWidget route, log-log, from the data `make bench` writes.
# gnuplot -e "data='FILE'; out='PNG'" bench/plot.gp
set terminal pngcairo size 800,500 font ",11"
set output out
set logscale xy
set xlabel "addresses loaded"
set ylabel "time until the list is ready to paint (ms)"
set key top left
set grid
plot data using 1:3 with linespoints title "stock QTreeWidget route", \
     data using 1:2 with linespoints title "VendorContact (LetContactAddress)"
