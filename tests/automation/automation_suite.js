// The automation server as a JScript client drives it: the core of the
// VBScript suite through new ActiveXObject, errors read from e.number.
// Quits with the number of failed checks.
var failures = 0;
var InvalidArg = 0x80070057 - 0x100000000;

function check(condition, what) {
    if (!condition) {
        failures++;
        WScript.Echo("FAILED: " + what);
    }
}

// The error number a call gives, 0 when it succeeds.
function errorOf(call) {
    try {
        call();
        return 0;
    } catch (e) {
        return e.number;
    }
}

function invalid(call, what) {
    var number = errorOf(call);
    check(number == InvalidArg, what + " gives E_INVALIDARG (got " + number + ")");
}

function ok(call, what) {
    var number = errorOf(call);
    check(number == 0, what + " succeeds (got " + number + ")");
}

var app = new ActiveXObject("CorvinataAstronomySuite.1");
check(!app.WindowVisible, "a server started by its client stays hidden");

invalid(function () { app.SetDateTime(1582, 12, 31, 12, 0, true); }, "SetDateTime 1582,12,31");
invalid(function () { app.SetDateTime(2023, 2, 29, 0, 0, true); }, "SetDateTime 2023,2,29");
invalid(function () { app.SetDateTime(2024, 2, 28, 24, 1, true); }, "SetDateTime 24:01");
ok(function () { app.SetDateTime(2024, 2, 29, 23, 59, true); }, "SetDateTime 2024,2,29,23,59");
check(app.EvaluateCorvinataScript("Earth.DistSun(Au)") == "0.983 AU", "the expression is evaluated for 1.1.2000");
invalid(function () { app.OpenReportWindow_YearPlanet(8); }, "OpenReportWindow_YearPlanet 8");

var sky = app.OpenSkyWindow();
invalid(function () { sky.SetViewCenter(400, 10); }, "SetViewCenter 400,10");
invalid(function () { sky.GridType = 3; }, "GridType=3");
sky.StarMagnitudeLimit = 25;
check(sky.StarMagnitudeLimit == 20, "StarMagnitudeLimit 25 reads 20");
sky.MoonVisible = false;
check(!sky.MoonVisible, "the Moon can be hidden");

var solar = app.OpenSolarSystemWindow();
invalid(function () { solar.SelectedPlanet = 9; }, "SelectedPlanet=9");
solar.SelectedPlanet = 2;
check(solar.SelectedPlanet == 2, "SelectedPlanet=2 selects the Earth");

var graph = app.OpenGraphWindow();
invalid(function () { graph.YAxisMax = "5"; }, "YAxisMax without lines");
invalid(function () { graph.SetXAxisGridStep(6, "Seconds"); }, "SetXAxisGridStep 6 Seconds");
ok(function () { graph.SetXAxisGridStep(6, "Hours"); }, "SetXAxisGridStep 6 Hours");
invalid(function () { graph.XAxisTimeSystem = 1; }, "XAxisTimeSystem=1");
var line = graph.AppendNewLine();
check(line.Name == "New Line" && line.Body == "Earth" && line.System == 2, "a new line's defaults");

app.CloseAllMainWindows();
ok(function () { var z = sky.Zoom; }, "a closed window's get");
ok(function () { line.Colour = "Red"; }, "a line of a closed graph");

line = null;
graph = null;
solar = null;
sky = null;
app = null;
CollectGarbage();

if (failures == 0) WScript.Echo("automation suite (JScript): all checks passed");
WScript.Quit(failures);
