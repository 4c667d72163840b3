' The automation server as a VBScript client drives it: late binding
' through IDispatch, errors read from Err.Number. Quits with the number of
' failed checks. Wine's script host reports E_INVALIDARG as its own error 5
' (invalid procedure call or argument), so both numbers are taken for it.
Option Explicit

Dim failures : failures = 0
Const InvalidArg = &H80070057
Const Failed = &H80004005

Sub Check(condition, what)
    If Not condition Then
        failures = failures + 1
        WScript.Echo "FAILED: " & what
    End If
End Sub

Function IsInvalidArg(number)
    IsInvalidArg = (number = InvalidArg Or number = 5)
End Function

Sub ExpectInvalid(what)
    Check IsInvalidArg(Err.Number), what & " gives E_INVALIDARG (got " & Hex(Err.Number) & ")"
    Err.Clear
End Sub

Sub ExpectOk(what)
    Check Err.Number = 0, what & " succeeds (got " & Hex(Err.Number) & ")"
    Err.Clear
End Sub

Dim app : Set app = CreateObject("CorvinataAstronomySuite.1")
Check Not app.WindowVisible, "a server started by its client stays hidden"

On Error Resume Next

' ---- the application's time and place ----
app.SetDateTime 1582, 12, 31, 12, 0, True : ExpectInvalid "SetDateTime 1582,12,31"
app.SetDateTime 3001, 1, 1, 0, 0, True : ExpectInvalid "SetDateTime 3001"
app.SetDateTime 2023, 2, 29, 0, 0, True : ExpectInvalid "SetDateTime 2023,2,29"
app.SetDateTime 2024, 2, 28, 24, 1, True : ExpectInvalid "SetDateTime 24:01"
app.SetDateTime 2024, 2, 29, 23, 59, True : ExpectOk "SetDateTime 2024,2,29,23,59"
Dim y, mo, d, h, mi
app.GetDateTime y, mo, d, h, mi
Check y = 2024 And mo = 2 And d = 29 And h = 23 And mi = 59, "GetDateTime reads 29.2.2024 23:59"
app.SetDateTime 2024, 3, 1, 1, -30, True : ExpectOk "SetDateTime 1 h -30 min"
app.GetDateTime y, mo, d, h, mi
Check h = 0 And mi = 30, "1 h -30 min is 0:30"
app.SetDateTime 2024, 3, 1, 24, 0, True : ExpectOk "SetDateTime 24:00"
app.GetDateTime y, mo, d, h, mi
Check d = 2 And h = 0 And mi = 0, "24:00 is 0:00 of the next day"
app.SetLocation "United Kingdom", "London" : ExpectOk "SetLocation London"
Dim country, town
app.GetLocation country, town
Check country = "United Kingdom" And town = "London", "GetLocation reads London"
app.SetDateTime 2024, 1, 15, 12, 0, False : ExpectOk "SetDateTime in UT"
app.GetDateTime y, mo, d, h, mi
Check h = 12 And mi = 0, "UT at London in winter is the civil time"
app.SetLocation "Nowhere", "Nothing" : ExpectInvalid "SetLocation of an unknown town"
Check app.EvaluateCorvinataScript("Earth.DistSun(Au)") = "0.983 AU", "the expression is evaluated for 1.1.2000"

' ---- windows ----
Dim report : Set report = app.OpenReportWindow_YearPlanet(8) : ExpectInvalid "OpenReportWindow_YearPlanet 8"
Set report = app.OpenReportWindow_Day() : ExpectOk "OpenReportWindow_Day"
report.Date = "31.2.2024" : ExpectInvalid "report Date 31.2.2024"
report.Date = "15.3.2024" : ExpectOk "report Date 15.3.2024"
Check report.Date = "15.03.2024", "the report's date reads back (" & report.Date & ")"

Dim sky : Set sky = app.OpenSkyWindow() : ExpectOk "OpenSkyWindow"
sky.SetViewCenter 400, 10 : ExpectInvalid "SetViewCenter 400,10"
sky.SetViewCenter 10, 95 : ExpectInvalid "SetViewCenter 10,95"
sky.GridType = 3 : ExpectInvalid "GridType=3"
sky.DeepSkyNames = 4 : ExpectOk "DeepSkyNames=4"
sky.StarMagnitudeLimit = 25 : ExpectOk "StarMagnitudeLimit 25"
Check sky.StarMagnitudeLimit = 20, "StarMagnitudeLimit 25 reads 20"
sky.StarMagnitudeLimit = -1
Check sky.StarMagnitudeLimit = 0, "StarMagnitudeLimit -1 reads 0"
sky.FindObject "No Such Star At All" : ExpectInvalid "FindObject of an unknown name"
sky.MoonVisible = 1
Check sky.MoonVisible, "late binding turns 1 into true"

Dim solar : Set solar = app.OpenSolarSystemWindow() : ExpectOk "OpenSolarSystemWindow"
solar.SelectedPlanet = 9 : ExpectInvalid "SelectedPlanet=9"
solar.SelectedPlanet = 2 : ExpectOk "SelectedPlanet=2"
Check solar.SelectedPlanet = 2, "SelectedPlanet=2 selects the Earth"

Dim eclipse : Set eclipse = app.OpenSolarEclipseWindow() : ExpectOk "OpenSolarEclipseWindow"
eclipse.MapCenter = 3 : ExpectInvalid "MapCenter=3"
eclipse.MapCenter = 2 : ExpectOk "MapCenter=2"
eclipse.MapCenter = 0 : ExpectOk "MapCenter=0"
eclipse.Zoom = 100 : ExpectOk "eclipse Zoom=100"
Check eclipse.Zoom = 100, "the highest level reads 100"
eclipse.Zoom = 0
Check eclipse.Zoom = 0, "the lowest level reads 0"
eclipse.Zoom = 101 : ExpectInvalid "eclipse Zoom=101"
Dim longitude : longitude = eclipse.ObserverLongitude
eclipse.ObserverLatitude = "45N" : ExpectOk "ObserverLatitude=45N"
Check eclipse.ObserverLongitude = longitude, "ObserverLatitude keeps the longitude"

Dim picture : Set picture = app.OpenPictureWindow() : ExpectOk "OpenPictureWindow"
picture.SelectedPicture = "no such picture.jpg"
Check Err.Number = Failed, "an unknown SelectedPicture gives E_FAIL (got " & Hex(Err.Number) & ")"
Err.Clear

' ---- the explorers: moons by their catalogue index (0 Io, 0 Mimas) ----
Dim jupiter : Set jupiter = app.OpenJupiterWindow() : ExpectOk "OpenJupiterWindow"
jupiter.Tilt = 361 : ExpectInvalid "Tilt=361"
jupiter.Tilt = 90 : ExpectOk "Tilt=90"
Check jupiter.Tilt = 90, "Tilt reads back"
jupiter.SelectedMoon = 4 : ExpectInvalid "Jupiter SelectedMoon=4"
jupiter.SelectedMoon = -1 : ExpectInvalid "Jupiter SelectedMoon=-1"
jupiter.SelectedMoon = 0 : ExpectOk "Jupiter SelectedMoon=0"
Check jupiter.SelectedMoon = 0, "SelectedMoon 0 reads 0"
jupiter.ZoomedMoon = 2 : ExpectOk "Jupiter ZoomedMoon=2"
Check jupiter.ZoomedMoon = 2, "ZoomedMoon reads back"
jupiter.NamesVisible = 1
Check jupiter.NamesVisible, "late binding turns 1 into true"
Dim saturn : Set saturn = app.OpenSaturnWindow() : ExpectOk "OpenSaturnWindow"
saturn.SelectedMoon = 8 : ExpectInvalid "Saturn SelectedMoon=8"
saturn.SelectedMoon = 7 : ExpectOk "Saturn SelectedMoon=7"
Check saturn.SelectedMoon = 7, "SelectedMoon 7 reads 7"
saturn.EwSwapped = True
Check saturn.EwSwapped, "EwSwapped reads back"

' ---- a graph ----
Dim graph : Set graph = app.OpenGraphWindow() : ExpectOk "OpenGraphWindow"
graph.YAxisMax = "5" : ExpectInvalid "YAxisMax without lines"
graph.SetXAxisLabelStep 100, "Days" : ExpectInvalid "SetXAxisLabelStep 100 Days"
graph.SetXAxisMarkStep 0, "Days" : ExpectInvalid "SetXAxisMarkStep 0 Days"
graph.SetXAxisGridStep 6, "Seconds" : ExpectInvalid "SetXAxisGridStep 6 Seconds"
graph.SetXAxisGridStep 6, "Hours" : ExpectOk "SetXAxisGridStep 6 Hours"
graph.SetYAxisGridStep 1000 : ExpectInvalid "SetYAxisGridStep 1000"
graph.SetYAxisGridStep 999 : ExpectOk "SetYAxisGridStep 999"
graph.XAxisTimeSystem = 1 : ExpectInvalid "XAxisTimeSystem=1"
graph.TimeSystem = 1 : ExpectOk "TimeSystem=1"
graph.SetTimeBeginAndEnd "1.3.2024", "10:00", "1.3.2024", "10:00" : ExpectInvalid "equal begin and end"
graph.SetTimeBeginAndStep "1.3.2024", "10:00", 10, "Days" : ExpectOk "SetTimeBeginAndStep"
Dim line : Set line = graph.AppendNewLine() : ExpectOk "AppendNewLine"
Check line.Name = "New Line", "a new line is named New Line"
Check line.Body = "Earth", "a new line plots the Earth"
Check line.CorvinataScriptCode = "Earth.DistSun(Au)", "a new line's expression"
Check line.System = 2, "a new line's system"
Check line.VisibleInGraph And line.VisibleInControlPanel, "a new line is visible"
line.CorvinataScriptCode = "Earth.DistSun(Au) + 1" : ExpectOk "an expression of the user's"
line.CorvinataScriptCode = "" : ExpectOk "an empty expression"
Check LCase(line.CorvinataScriptCode) = "earth.distsun(au)", "an empty expression is made again (" & line.CorvinataScriptCode & ")"
Dim errorText, folder
graph.SaveToFile "Q:\no drive here\graph.gph", errorText : ExpectOk "SaveToFile to a folder that cannot be made"
Check errorText = "An error occurred creating the path", "the text of a folder that cannot be made"
folder = CreateObject("Scripting.FileSystemObject").GetSpecialFolder(2).Path
graph.SaveToFile folder & "\automation_suite.gph", errorText : ExpectOk "SaveToFile"
Check errorText = "No error", "SaveToFile says No error (" & errorText & ")"
Dim loaded : Set loaded = app.LoadGraph(folder & "\automation_suite.gph", errorText) : ExpectOk "LoadGraph"
Check errorText = "No error", "LoadGraph says No error (" & errorText & ")"
Dim steps, unit, steps2, unit2
graph.GetTimeStep steps, unit
loaded.GetTimeStep steps2, unit2
Check steps = steps2 And unit = unit2, "the graph read back has the saved step"
graph.LoadFromFile folder & "\automation_suite.gph", errorText : ExpectOk "LoadFromFile"
Check errorText = "No error", "LoadFromFile says No error (" & errorText & ")"
graph.LoadFromFile folder & "\no such graph.gph", errorText : ExpectOk "LoadFromFile of a missing file"
Check errorText <> "No error", "LoadFromFile of a missing file says why"
Check loaded.YAxisMax = graph.YAxisMax, "the graph read back has the saved y range (" & loaded.YAxisMax & " / " & graph.YAxisMax & ", " & loaded.YAxisMin & " / " & graph.YAxisMin & ")"
ExpectOk "reading the graph back"

' ---- the user closes a window ----
app.CloseAllMainWindows : ExpectOk "CloseAllMainWindows"
Dim z : z = sky.Zoom : ExpectOk "a closed window's get"
sky.Zoom = 90 : ExpectOk "a closed window's put"
sky.Activate : ExpectOk "Activate of a closed window (S_FALSE is success to VBScript)"
line.Colour = "Red" : ExpectOk "a line of a closed graph"
Set sky = app.OpenSkyWindow() : ExpectOk "a later window"

Set line = Nothing
Set graph = Nothing
Set loaded = Nothing
Set sky = Nothing
Set jupiter = Nothing
Set saturn = Nothing
Set solar = Nothing
Set eclipse = Nothing
Set picture = Nothing
Set report = Nothing
Set app = Nothing

If failures = 0 Then WScript.Echo "automation suite (VBScript): all checks passed"
WScript.Quit failures
