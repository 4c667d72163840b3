// Writes local_eclipses.csv: local circumstances of solar eclipses at chosen
// places, computed by the astronomy-engine package (Don Cross; ephemeris
// positions of the Sun and the Moon, not Besselian elements), as an
// independent check of the program's eclipse computations. See README.md.
'use strict';

const Astronomy = require('astronomy-engine');

// Table date of the eclipse, place, longitude (degrees east), latitude
// (degrees north), height (metres).
const CASES = [
    ['1973-06-30', 'Agadez', 7.99, 16.97, 520],
    ['1991-07-11', 'La Paz BCS', -110.31, 24.14, 27],
    ['1994-05-10', 'Toledo', -83.54, 41.65, 180],
    ['1999-08-11', 'Munich', 11.58, 48.14, 520],
    ['1999-08-11', 'Paris', 2.35, 48.86, 35],
    ['2001-06-21', 'Lusaka', 28.28, -15.42, 1280],
    ['2002-12-04', 'Ceduna', 133.68, -32.13, 10],
    ['2003-05-31', 'Edinburgh', -3.19, 55.95, 50],
    ['2005-10-03', 'Madrid', -3.70, 40.42, 650],
    ['2006-03-29', 'Side', 31.39, 36.77, 10],
    ['2008-08-01', 'Novosibirsk', 82.92, 55.03, 150],
    ['2009-07-22', 'Shanghai', 121.47, 31.23, 5],
    ['2010-01-15', 'Male', 73.51, 4.17, 2],
    ['2011-01-04', 'Stockholm', 18.07, 59.33, 30],
    ['2012-05-20', 'Albuquerque', -106.65, 35.08, 1620],
    ['2012-11-13', 'Cairns', 145.77, -16.92, 5],
    ['2013-11-03', 'Nairobi', 36.82, -1.29, 1700],
    ['2015-03-20', 'Torshavn', -6.77, 62.01, 20],
    ['2016-03-09', 'Palu', 119.87, -0.90, 5],
    ['2017-08-21', 'Casper', -106.31, 42.87, 1560],
    ['2017-08-21', 'New York', -74.01, 40.71, 10],
    ['2019-07-02', 'La Serena', -71.25, -29.90, 30],
    ['2019-12-26', 'Singapore', 103.82, 1.35, 15],
    ['2020-06-21', 'Chiayi', 120.45, 23.48, 30],
    ['2022-10-25', 'Moscow', 37.62, 55.76, 150],
    ['2023-10-14', 'Albuquerque', -106.65, 35.08, 1620],
    ['2024-04-08', 'Dallas', -96.80, 32.78, 140],
];

// Hours of universal time counted from 0 h of the table date.
function hoursFromDate(time, date) {
    const midnight = Date.UTC(Number(date.slice(0, 4)), Number(date.slice(5, 7)) - 1,
                              Number(date.slice(8, 10)));
    return (time.date.getTime() - midnight) / 3600000;
}

const rows = ['date,place,longitude_east,latitude,height_m,kind,' +
              'first_contact_ut,maximum_ut,last_contact_ut,obscuration,maximum_altitude,delta_t_s'];
for (const [date, place, longitude, latitude, height] of CASES) {
    const observer = new Astronomy.Observer(latitude, longitude, height);
    const start = new Date(Date.parse(date + 'T00:00:00Z') - 86400000);
    const info = Astronomy.SearchLocalSolarEclipse(start, observer);
    const peak = hoursFromDate(info.peak.time, date);
    if (peak < -12 || peak > 36) {
        throw new Error(date + ' ' + place + ': the eclipse found is on another date');
    }
    const deltaT = (info.peak.time.tt - info.peak.time.ut) * 86400;
    rows.push([date, place, longitude.toFixed(2), latitude.toFixed(2), height, info.kind,
               hoursFromDate(info.partial_begin.time, date).toFixed(6), peak.toFixed(6),
               hoursFromDate(info.partial_end.time, date).toFixed(6),
               info.obscuration.toFixed(6), info.peak.altitude.toFixed(3),
               deltaT.toFixed(2)].join(','));
}
process.stdout.write(rows.join('\n') + '\n');
