ardour {
	["type"]    = "dsp",
	name        = "Tolvo Check Signal",
	category    = "Utility",
	license     = "MIT",
	author      = "Tolvo",
	description = [[A test signal that is a fixed function of the transport position while the transport rolls (silence when stopped), so every export of the same range carries the same samples.]]
}

function dsp_ioconfig ()
	return { { audio_in = 1, audio_out = 1 } }
end

-- Sample n of the signal: a coarse pseudo-random pattern of multiples of
-- 1/1024 in -1000/1024 .. 1000/1024, exact in 32-bit float.
local function sample (n)
	return ((n * 7919) % 2001 - 1000) / 1024
end

function dsp_run (ins, outs, n_samples)
	local block = {}
	if Session:transport_rolling () then
		local first = Session:transport_sample ()
		for s = 1, n_samples do
			block[s] = sample (first + s - 1)
		end
	else
		for s = 1, n_samples do
			block[s] = 0
		end
	end
	outs[1]:set_table (block, n_samples)
end
