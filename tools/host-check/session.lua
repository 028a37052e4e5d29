-- Drives Ardour (ardour-lua, Dummy backend) for the host check.
--
--   create DIR NAME EXPORTS CASE...   new session with one mono track: the
--        check signal, then Tolvo. Each CASE is name=gain,trim,phase,mute,bypass
--        (the format's parameter values); each is set and the range exported as NAME.wav.
--        The last CASE's values stay set and the session is saved.
--   reload DIR NAME EXPORTS CASE      loads the saved session in this new
--        process, exports CASE (name only) and saves the session again.
--
-- Prints "param INDEX NAME", "value INDEX VALUE" (the host's control values)
-- and "exported NAME" lines; ends with "ok" when every step succeeded.
io.stdout:setvbuf ("no")

local kSampleRate = 48000
local kExportLength = kSampleRate
local kTrackName = "Check"
local kPresetId = "0c1f5d2a-8e47-4b6b-a3d9-5f2e7c9b1d04"

local mode, dir, name, exports = arg[1], arg[2], arg[3], arg[4]
-- The VST 2 module, or the LV2 bundle when TOLVO_PLUGIN_FORMAT is lv2; case values are the
-- host's parameter values of that format.
local kPluginType = ARDOUR.PluginType.LXVST
if os.getenv ("TOLVO_PLUGIN_FORMAT") == "lv2" then kPluginType = ARDOUR.PluginType.LV2 end

local function fail (message)
	print ("error " .. message)
	os.exit (1)
end

local function tolvo_insert (session)
	local track = session:route_by_name (kTrackName)
	if track:isnil () then fail ("no track") end
	local index = 0
	while true do
		local processor = track:nth_plugin (index)
		if processor:isnil () then fail ("no Tolvo insert") end
		if processor:name () == "Tolvo" then return processor end
		index = index + 1
	end
end

local function print_values (processor)
	for index = 0, 4 do
		print (string.format ("value %d %.9g", index, ARDOUR.LuaAPI.get_processor_param (processor, index, true)))
	end
end

local function export (session, case_name)
	local exporter = session:simple_export ()
	if not exporter:set_preset (kPresetId) then fail ("export preset not found") end
	exporter:set_folder (exports)
	exporter:set_name (case_name)
	exporter:set_range (0, kExportLength)
	if not exporter:check_outputs () then fail ("nothing to export") end
	if not exporter:run_export () then fail ("export " .. case_name) end
	print ("exported " .. case_name)
end

local function run_case (session, processor, case)
	local case_name, values = case:match ("^([%w%.%-]+)=(.*)$")
	if not case_name then fail ("bad case " .. case) end
	local index = 0
	for value in values:gmatch ("[^,]+") do
		ARDOUR.LuaAPI.set_processor_param (processor, index, tonumber (value))
		index = index + 1
	end
	if index ~= 5 then fail ("case needs five values: " .. case) end
	-- Ardour activates an LV2 insert after an export, not before it: the values just set
	-- would glide in the cycles before the export. A new activation starts them at target.
	if kPluginType == ARDOUR.PluginType.LV2 then
		processor:deactivate ()
		ARDOUR.LuaAPI.wait_for_process_callback (2, 1000)
		processor:activate ()
		ARDOUR.LuaAPI.wait_for_process_callback (2, 1000)
	end
	export (session, case_name)
end

AudioEngine:set_backend ("None (Dummy)", "", "")

if mode == "create" then
	local session = create_session (dir, name, kSampleRate)
	if not session then fail ("create session") end
	local tracks = session:new_audio_track (1, 1, nil, 1, kTrackName, ARDOUR.PresentationInfo.max_order, ARDOUR.TrackMode.Normal, true)
	local track = tracks:front ()
	local signal = ARDOUR.LuaAPI.new_luaproc (session, "Tolvo Check Signal")
	if signal:isnil () then fail ("check signal script not found") end
	track:add_processor_by_index (signal, 0, nil, true)
	local plugin = ARDOUR.LuaAPI.new_plugin (session, "Tolvo", kPluginType, "")
	if plugin:isnil () then fail ("Tolvo not found") end
	track:add_processor_by_index (plugin, 1, nil, true)
	-- Mono straight to the first master channel, without a pan law.
	track:panner_shell ():set_bypassed (true)
	local insert = plugin:to_insert ():plugin (0)
	for index = 0, insert:parameter_count () - 1 do
		print (string.format ("param %d %s", index, insert:parameter_label (index)))
	end
	for case_index = 5, #arg do
		run_case (session, plugin, arg[case_index])
	end
	print_values (plugin)
	session:save_state ("", false, false, false, false, false)
elseif mode == "reload" then
	local session = load_session (dir, name)
	if not session then fail ("load session") end
	local plugin = tolvo_insert (session)
	print_values (plugin)
	export (session, arg[5])
	session:save_state ("", false, false, false, false, false)
else
	fail ("unknown mode " .. tostring (mode))
end
close_session ()
print ("ok")
