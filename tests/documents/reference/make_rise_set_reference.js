// Rise and set times for the report tests, computed independently of the
// program. See README.md for how to run it.
const Astronomy = require('astronomy-engine');

// London as the program's town table places it.
const observer = new Astronomy.Observer(51 + 31 / 60 + 1 / 3600, -(6 / 60 + 18 / 3600), 0);
const bodies = ['Sun', 'Moon', 'Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune', 'Pluto'];
const days = [[2024, 2, 9], [2024, 2, 10]];

function hms(date) {
    const d = new Date(date.getTime() + 500);
    const two = (n) => String(n).padStart(2, '0');
    return `${two(d.getUTCHours())}:${two(d.getUTCMinutes())}:${two(d.getUTCSeconds())}`;
}

console.log('place,date,body,rise,set');
for (const [y, m, d] of days) {
    const start = Astronomy.MakeTime(new Date(Date.UTC(y, m - 1, d)));
    for (const body of bodies) {
        const rise = Astronomy.SearchRiseSet(body, observer, +1, start, 1);
        const set = Astronomy.SearchRiseSet(body, observer, -1, start, 1);
        const text = (t) => (t && t.date.getUTCDate() === d ? hms(t.date) : '');
        console.log(`London,${y}-${String(m).padStart(2, '0')}-${String(d).padStart(2, '0')},${body},${text(rise)},${text(set)}`);
    }
}

// Helsinki (60.17 N, 24.935 E, UT+2): the Sun on local dates, times in local time.
const helsinki = new Astronomy.Observer(60.17, 24.935, 0);
for (const d of [1, 6, 11, 16, 21, 26]) {
    const start = Astronomy.MakeTime(new Date(Date.UTC(2024, 1, d) - 2 * 3600 * 1000));
    const local = (t) => (t ? hms(new Date(t.date.getTime() + 2 * 3600 * 1000)) : '');
    const rise = Astronomy.SearchRiseSet('Sun', helsinki, +1, start, 1);
    const set = Astronomy.SearchRiseSet('Sun', helsinki, -1, start, 1);
    console.log(`Helsinki,2024-02-${String(d).padStart(2, '0')},Sun,${local(rise)},${local(set)}`);
}
