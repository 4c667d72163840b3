// Writes rise_set.csv: rise, set and upper transit of the Sun, the Moon,
// Jupiter and Regulus, and the Sun's three twilights, at places from the
// equator to the polar circles, computed by the astronomy-engine package
// (Don Cross) as an independent check of the program's event times. See
// README.md.
'use strict';

const Astronomy = require('astronomy-engine');

// Place, longitude (degrees east), latitude (degrees north).
const PLACES = [
    ['Quito', -78.51, -0.22],
    ['Havana', -82.38, 23.13],
    ['Buenos Aires', -58.38, -34.60],
    ['Berlin', 13.40, 52.52],
    ['Anchorage', -149.90, 61.22],
    ['Kiruna', 20.23, 67.86],
];
const DATES = ['1995-01-15', '2012-04-04', '2024-06-21', '2031-09-30', '2040-12-21'];

// Regulus, J2000.0 (Bright Star Catalogue 5th ed.), hours and degrees.
Astronomy.DefineStar(Astronomy.Body.Star1, 10 + 8 / 60 + 22.3 / 3600, 11 + 58 / 60 + 2 / 3600, 79);

const BODIES = [
    ['Sun', Astronomy.Body.Sun],
    ['Moon', Astronomy.Body.Moon],
    ['Jupiter', Astronomy.Body.Jupiter],
    ['Regulus', Astronomy.Body.Star1],
];
const TWILIGHTS = [['astronomical', -18], ['nautical', -12], ['civil', -6]];

// Hours of universal time from 0 h of the date, or an empty field when the
// event does not happen within that universal-time day.
function hoursOf(time, midnight) {
    if (!time) return '';
    const hours = (time.date.getTime() - midnight.getTime()) / 3600000;
    return hours >= 0 && hours < 24 ? hours.toFixed(6) : '';
}

const rows = ['date,place,longitude_east,latitude,body,event,hours_ut'];
for (const date of DATES) {
    const midnight = new Date(date + 'T00:00:00Z');
    for (const [place, longitude, latitude] of PLACES) {
        const observer = new Astronomy.Observer(latitude, longitude, 0);
        const row = (body, event, time) =>
            rows.push([date, place, longitude.toFixed(2), latitude.toFixed(2), body, event,
                       hoursOf(time, midnight)].join(','));
        for (const [name, body] of BODIES) {
            row(name, 'rise', Astronomy.SearchRiseSet(body, observer, +1, midnight, 1));
            row(name, 'set', Astronomy.SearchRiseSet(body, observer, -1, midnight, 1));
            row(name, 'transit', Astronomy.SearchHourAngle(body, observer, 0, midnight).time);
        }
        for (const [name, altitude] of TWILIGHTS) {
            row('Sun', 'morning_' + name,
                Astronomy.SearchAltitude(Astronomy.Body.Sun, observer, +1, midnight, 1, altitude));
            row('Sun', 'evening_' + name,
                Astronomy.SearchAltitude(Astronomy.Body.Sun, observer, -1, midnight, 1, altitude));
        }
    }
}
console.log(rows.join('\n'));
