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

console.log('date,body,rise,set');
for (const [y, m, d] of days) {
    const start = Astronomy.MakeTime(new Date(Date.UTC(y, m - 1, d)));
    for (const body of bodies) {
        const rise = Astronomy.SearchRiseSet(body, observer, +1, start, 1);
        const set = Astronomy.SearchRiseSet(body, observer, -1, start, 1);
        const text = (t) => (t && t.date.getUTCDate() === d ? hms(t.date) : '');
        console.log(`${y}-${String(m).padStart(2, '0')}-${String(d).padStart(2, '0')},${body},${text(rise)},${text(set)}`);
    }
}
