#!/usr/bin/env bash
# Writes a data-duplication file (.dat) with about three months of daily use
# of the two demo air conditioners, ending yesterday, for `tevaro-cli import`:
#
#     bash scripts/make-demo-data.sh <file.dat> [days]
#
# The units are the ones run-demo.sh plugs in with tevaro-sim (same MAC
# addresses, models and rooms), so a later read adds today's record to them
# instead of registering two more. Bills follow the seasons (heating in
# winter, cooling in summer, little in between), stay within 50..400 yen a
# day, run a little higher at weekends, and vary from day to day by a fixed
# seed, so the same date always gives the same file. Every month gets a
# target near what its days add up to. The file is CP932 with CR LF line
# ends, as the program writes it.
set -euo pipefail
out=${1:?usage: make-demo-data.sh <file.dat> [days]}
days=${2:-90}

# One line per day, oldest first: YYYYMMDD, day of the year, weekday (7 = Sunday).
dates=$(seq "$days" -1 1 | sed 's/.*/today -& days/' | date -f - '+%Y%m%d %j %u')

# mac, model, room, share of the living room's bill, settings line: the
# settings are those tevaro-sim reports for variant B and C.
units='0011223344556601 RAS-DEMO1 L 1.00 0,0,0,1,3,1,-1,-1,0,0,2,1,1,0,27,30,20,1,7,10,17,22,-1,-1,-1,-1
0011223344556602 RAS-DEMO2 B 0.55 0,0,0,1,3,1,-1,-1,0,0,2,1,1,0,60,75,20,1,7,10,17,22,0,1,255,0'

tmp=$(mktemp "$(dirname "$out")/.demo-dat.XXXXXX")
trap 'rm -f "$tmp"' EXIT
awk -v units="$units" -v dates="$dates" '
function clamp(v, lo, hi) { return v < lo ? lo : (v > hi ? hi : v) }
function days_in(ym,   y, m) {
    y = int(ym / 100); m = ym % 100
    if (m == 2) return (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) ? 29 : 28
    return (m == 4 || m == 6 || m == 9 || m == 11) ? 30 : 31
}
BEGIN {
    srand(20240105)
    pi = atan2(0, -1)
    nu = split(units, ulines, "\n")
    nd = split(dates, dlines, "\n")
    for (u = 1; u <= nu; ++u) {
        split(ulines[u], f, " ")
        mac[u] = f[1]; model[u] = f[2]; room[u] = f[3]; share[u] = f[4]; settings[u] = f[5]
    }
    for (d = 1; d <= nd; ++d) {
        split(dlines[d], f, " ")
        date = f[1]; doy = f[2] + 0; wday = f[3] + 0
        # Heating peaks in late January, cooling in early August.
        heat = cos(2 * pi * (doy - 25) / 365); heat = heat > 0 ? heat ^ 2 : 0
        cool = exp(-((doy - 218) / 32) ^ 2)
        outdoor = int(16 - 11 * cos(2 * pi * (doy - 20) / 365) + 0.5)
        for (u = 1; u <= nu; ++u) {
            bill = (60 + 300 * heat + 260 * cool) * share[u]
            if (wday >= 6) bill *= 1.15
            bill = int(clamp(bill * (0.85 + 0.3 * rand()), 50, 400))
            # About 30 yen an hour of running.
            use = int(clamp(bill * 2 * (0.9 + 0.2 * rand()), 0, 1440))
            indoor = heat > cool ? 21 + int(2 * rand()) : 25 + int(2 * rand())
            run[++nr] = sprintf("%s,%s,%d,%d,%d,%d,0", mac[u], date, use, bill, indoor, outdoor - 1 + int(3 * rand()))
            ym = substr(date, 1, 6)
            key = u SUBSEP ym
            if (!(key in sum)) { months[u, ++nm[u]] = ym }
            sum[key] += bill; cnt[key]++
        }
    }
    print "<ELE_BILL_TGT_TBL>"
    for (u = 1; u <= nu; ++u) {
        for (i = 1; i <= nm[u]; ++i) {
            ym = months[u, i]; key = u SUBSEP ym
            # A little above what the month would cost at its daily average,
            # in round 500 yen, so the level pictures show something.
            target = int(sum[key] / cnt[key] * days_in(ym) * 1.1 / 500 + 1) * 500
            printf "%s,%s,%d\n", mac[u], ym, target
        }
    }
    print "</ELE_BILL_TGT_TBL>"
    print "<MODEL_INFO_TBL>"
    for (u = 1; u <= nu; ++u) printf "%s,%s,%s\n", mac[u], model[u], room[u]
    print "</MODEL_INFO_TBL>"
    print "<RUN_STATE_TBL>"
    for (i = 1; i <= nr; ++i) print run[i]
    print "</RUN_STATE_TBL>"
    print "<SETTING_INFO_TBL>"
    for (u = 1; u <= nu; ++u) printf "%s,%s\n", mac[u], settings[u]
    print "</SETTING_INFO_TBL>"
}' | sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"$tmp"
mv "$tmp" "$out"
trap - EXIT
