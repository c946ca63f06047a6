// KFWS_Airdrop: one load under its canopy per pulse of the smoke system.
// The module switches this effect on and off within one one-second drop tick.
[Library Effect]
// Library lifetime 5, version 2.00, radius -1 and priority 0: what real effects give,
// endless ones too. The emitters below decide how long this one emits.
Lifetime=5
Version=2.00
Radius=-1
Priority=0
Display Name=KFWS Cargo

[Properties]
// Every view the pilot may watch the drop from, each flag written as real files write it.
Cockpit=1
VirtualCockpit=1
Spot=1
Tower=1
Map=1

[Emitter.0]
// Canopy and crate: two emitters with the same burst, one particle each per pulse
// (one second at one a second), and the same fixed velocity, so that they fall together
// at 5 m/s and drift aft at 3. The rest as in the paratroopers' effect: a billboard
// (type 19), no drag, fades as shares of life, blend 2, a quarter of the bitmap.
Lifetime=1.00, 1.00
Delay=0.00, 0.00
Bounce=0.00
Rate=1.00, 1.00
X Emitter Velocity=0.00, 0.00
Y Emitter Velocity=0.00, 0.00
Z Emitter Velocity=0.00, 0.00
Drag=0.00, 0.00
X Particle Velocity=0.00, 0.00
Y Particle Velocity=-5.00, -5.00
Z Particle Velocity=-3.00, -3.00
// The canopy's middle 3 m below the exit point.
X Offset=0.00, 0.00
Y Offset=-3.00, -3.00
Z Offset=0.00, 0.00
X Rotation=0.00, 0.00
Y Rotation=0.00, 0.00
Z Rotation=0.00, 0.00
Pitch=0.00, 0.00
Bank=0.00, 0.00
Heading=0.00, 0.00

[Particle.0]
// Twelve seconds of descent.
Lifetime=12.00, 12.00
Type=19
Rotation=0.00, 0.00
// A cargo canopy 12 m across.
X Scale=12.00, 12.00
Y Scale=12.00, 12.00
Z Scale=0.00, 0.00
X Scale Rate=0.00, 0.00
Y Scale Rate=0.00, 0.00
Z Scale Rate=0.00, 0.00
Drag=0.00, 0.00
Color Rate=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=0.00, 0.00
Z Offset=0.00, 0.00
// Opens in the first tenth of its life, fades in the last fifth.
Fade In=0.10, 0.10
Fade Out=0.20, 0.20
Face=1, 1, 1

[ParticleAttributes.0]
Blend Mode=2
Texture=fx_KFWS_CargoChute.bmp
Color Start=255, 255, 255, 255
Color End=255, 255, 255, 255
Bounce=0.00
X Scale Goal=12.00
Y Scale Goal=12.00
Z Scale Goal=0.00
Jitter Distance=0.00
Jitter Time=0.00
Extrude Length=0.00
Extrude Pitch Max=0.00
Extrude Heading Max=0.00
uv1=0.00, 0.00
uv2=0.50, 0.50

[Emitter.1]
Lifetime=1.00, 1.00
Delay=0.00, 0.00
Bounce=0.00
Rate=1.00, 1.00
X Emitter Velocity=0.00, 0.00
Y Emitter Velocity=0.00, 0.00
Z Emitter Velocity=0.00, 0.00
Drag=0.00, 0.00
X Particle Velocity=0.00, 0.00
Y Particle Velocity=-5.00, -5.00
Z Particle Velocity=-3.00, -3.00
// The crate 4.5 m below the canopy's middle: its top where the lines end.
X Offset=0.00, 0.00
Y Offset=-7.50, -7.50
Z Offset=0.00, 0.00
X Rotation=0.00, 0.00
Y Rotation=0.00, 0.00
Z Rotation=0.00, 0.00
Pitch=0.00, 0.00
Bank=0.00, 0.00
Heading=0.00, 0.00

[Particle.1]
Lifetime=12.00, 12.00
Type=19
Rotation=0.00, 0.00
// A crate 2.5 m square.
X Scale=2.50, 2.50
Y Scale=2.50, 2.50
Z Scale=0.00, 0.00
X Scale Rate=0.00, 0.00
Y Scale Rate=0.00, 0.00
Z Scale Rate=0.00, 0.00
Drag=0.00, 0.00
Color Rate=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=0.00, 0.00
Z Offset=0.00, 0.00
Fade In=0.10, 0.10
Fade Out=0.20, 0.20
Face=1, 1, 1

[ParticleAttributes.1]
Blend Mode=2
Texture=fx_KFWS_Crate.bmp
Color Start=255, 255, 255, 255
Color End=255, 255, 255, 255
Bounce=0.00
X Scale Goal=2.50
Y Scale Goal=2.50
Z Scale Goal=0.00
Jitter Distance=0.00
Jitter Time=0.00
Extrude Length=0.00
Extrude Pitch Max=0.00
Extrude Heading Max=0.00
uv1=0.00, 0.00
uv2=0.50, 0.50
