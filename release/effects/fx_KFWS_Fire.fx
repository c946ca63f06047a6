// KFWS_Airdrop: fire-fighting liquid, a wide curtain of spray under the tank.
// The module switches this effect on at the first drop tick and off at the end of the
// drop: the emitters run until then, and the drops already in the air fall on and fade.
[Library Effect]
// Library lifetime 5, version 2.00, radius -1 and priority 0: what real effects give,
// endless ones too. The emitters below decide how long this one emits.
Lifetime=5
Version=2.00
Radius=-1
Priority=0
Display Name=KFWS Fire-fighting liquid

[Properties]
// Every view the pilot may watch the drop from, each flag written as real files write it.
Cockpit=1
VirtualCockpit=1
Spot=1
Tower=1
Map=1

[Emitter.0]
// The dense core of the curtain. Lifetime 0.00, 0.00: an emitter that runs until the
// effect is switched off, as real endless effects write it. The rate is ours: enough
// drops a second for a closed curtain, where real emitters mostly make one.
Lifetime=0.00, 0.00
Delay=0.00, 0.00
Bounce=0.00
Rate=60.00, 60.00
X Emitter Velocity=0.00, 0.00
Y Emitter Velocity=0.00, 0.00
Z Emitter Velocity=0.00, 0.00
Drag=0.00, 0.00
// Metres a second: falling at 8 to 12, spreading sideways, left behind by the aircraft.
X Particle Velocity=-6.00, 6.00
Y Particle Velocity=-12.00, -8.00
Z Particle Velocity=-6.00, -4.00
// Released along 8 m across, 1 m below the exit point.
X Offset=-4.00, 4.00
Y Offset=-1.00, -1.00
Z Offset=0.00, 0.00
X Rotation=0.00, 0.00
Y Rotation=0.00, 0.00
Z Rotation=0.00, 0.00
Pitch=0.00, 0.00
Bank=0.00, 0.00
Heading=0.00, 0.00

[Particle.0]
Lifetime=2.50, 3.50
// 19: the camera-facing billboard of most real particles, each turned at random within
// -60 to 60 degrees as real smoke is, so that the puffs do not look alike.
Type=19
Rotation=-60.00, 60.00
// A puff of 2 m growing by 1.5 m a second up to 6 m, flat, no Z size.
X Scale=2.00, 2.00
Y Scale=2.00, 2.00
Z Scale=0.00, 0.00
X Scale Rate=1.50, 1.50
Y Scale Rate=1.50, 1.50
Z Scale Rate=0.00, 0.00
// No drag (real particles have none or a negative one).
Drag=0.00, 0.00
Color Rate=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=0.00, 0.00
Z Offset=0.00, 0.00
// Shares of the particle's life: in over its first tenth, out over its second half.
Fade In=0.10, 0.10
Fade Out=0.50, 0.50
Face=1, 1, 1

[ParticleAttributes.0]
// Blend 2, as most real sections, bluish white spray, clearing as it falls.
Blend Mode=2
Texture=fx_KFWS_Spray.bmp
Color Start=220, 235, 255, 200
Color End=255, 255, 255, 0
Bounce=0.00
X Scale Goal=6.00
Y Scale Goal=6.00
Z Scale Goal=0.00
Jitter Distance=0.00
Jitter Time=0.00
Extrude Length=0.00
Extrude Pitch Max=0.00
Extrude Heading Max=0.00
// One quarter of the bitmap, as real atlases are addressed. All four quarters hold the
// same picture.
uv1=0.00, 0.00
uv2=0.50, 0.50

[Emitter.1]
// A wider, thinner mist around the core, endless as well, at half its rate.
Lifetime=0.00, 0.00
Delay=0.00, 0.00
Bounce=0.00
Rate=30.00, 30.00
X Emitter Velocity=0.00, 0.00
Y Emitter Velocity=0.00, 0.00
Z Emitter Velocity=0.00, 0.00
Drag=0.00, 0.00
X Particle Velocity=-8.00, 8.00
Y Particle Velocity=-6.00, -3.00
Z Particle Velocity=-8.00, -5.00
X Offset=-5.00, 5.00
Y Offset=-2.00, -2.00
Z Offset=0.00, 0.00
X Rotation=0.00, 0.00
Y Rotation=0.00, 0.00
Z Rotation=0.00, 0.00
Pitch=0.00, 0.00
Bank=0.00, 0.00
Heading=0.00, 0.00

[Particle.1]
Lifetime=3.00, 4.50
Type=19
Rotation=-60.00, 60.00
// A puff of 4 m growing by 3 m a second up to 12 m.
X Scale=4.00, 4.00
Y Scale=4.00, 4.00
Z Scale=0.00, 0.00
X Scale Rate=3.00, 3.00
Y Scale Rate=3.00, 3.00
Z Scale Rate=0.00, 0.00
Drag=0.00, 0.00
Color Rate=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=0.00, 0.00
Z Offset=0.00, 0.00
// In over its first fifth, out over its last three fifths (real fades reach 0.90).
Fade In=0.20, 0.20
Fade Out=0.60, 0.60
Face=1, 1, 1

[ParticleAttributes.1]
Blend Mode=2
Texture=fx_KFWS_Spray.bmp
Color Start=235, 240, 255, 90
Color End=255, 255, 255, 0
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
