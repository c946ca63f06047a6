; KFWS_Airdrop: one load under its canopy per pulse.
; The module switches this effect on and off within one drop tick: the emitters
; release one canopy and one crate hanging below it, with the same fixed velocity so
; that they fall together and drift aft; the effect lives on while they fall.
[Library Effect]
Lifetime=14
Version=2.00
Display Name=KFWS Cargo
Priority=0
Radius=60

[Properties]
Cockpit=1
VirtualCockpit=1
Spot=1
Tower=1
Map=0

[Emitter.0]
Lifetime=0.05, 0.05
Delay=0.00, 0.00
Bounce=0.00
Rate=20.00, 20.00
X Emitter Velocity=0.00, 0.00
Y Emitter Velocity=0.00, 0.00
Z Emitter Velocity=0.00, 0.00
Drag=0.00, 0.00
X Particle Velocity=0.00, 0.00
Y Particle Velocity=-5.00, -5.00
Z Particle Velocity=-3.00, -3.00
X Rotation=0.00, 0.00
Y Rotation=0.00, 0.00
Z Rotation=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=-3.00, -3.00
Z Offset=0.00, 0.00

[Particle.0]
Lifetime=12.00, 12.00
Type=1
X Scale=12.00, 12.00
Y Scale=12.00, 12.00
Z Scale=12.00, 12.00
X Scale Rate=0.00, 0.00
Y Scale Rate=0.00, 0.00
Z Scale Rate=0.00, 0.00
Drag=0.00, 0.00
Color Rate=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=0.00, 0.00
Z Offset=0.00, 0.00
Fade In=0.30, 0.30
Fade Out=1.00, 1.00
Shade=0.00
Face=1

[ParticleAttributes.0]
Blend Mode=1
Texture=fx_KFWS_CargoChute.bmp
Color Start=255, 255, 255, 255
Color End=255, 255, 255, 220
Jitter Distance=0.00, 0.00
Jitter Time=0.00, 0.00
uv1=0.00, 0.00
uv2=1.00, 1.00
X Scale Goal=12.00, 12.00
Y Scale Goal=12.00, 12.00
Z Scale Goal=12.00, 12.00
Extrude Length=0.00, 0.00

[Emitter.1]
Lifetime=0.05, 0.05
Delay=0.00, 0.00
Bounce=0.00
Rate=20.00, 20.00
X Emitter Velocity=0.00, 0.00
Y Emitter Velocity=0.00, 0.00
Z Emitter Velocity=0.00, 0.00
Drag=0.00, 0.00
X Particle Velocity=0.00, 0.00
Y Particle Velocity=-5.00, -5.00
Z Particle Velocity=-3.00, -3.00
X Rotation=0.00, 0.00
Y Rotation=0.00, 0.00
Z Rotation=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=-8.00, -8.00
Z Offset=0.00, 0.00

[Particle.1]
Lifetime=12.00, 12.00
Type=1
X Scale=2.50, 2.50
Y Scale=2.50, 2.50
Z Scale=2.50, 2.50
X Scale Rate=0.00, 0.00
Y Scale Rate=0.00, 0.00
Z Scale Rate=0.00, 0.00
Drag=0.00, 0.00
Color Rate=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=0.00, 0.00
Z Offset=0.00, 0.00
Fade In=0.30, 0.30
Fade Out=1.00, 1.00
Shade=0.00
Face=1

[ParticleAttributes.1]
Blend Mode=1
Texture=fx_KFWS_Crate.bmp
Color Start=255, 255, 255, 255
Color End=255, 255, 255, 255
Jitter Distance=0.00, 0.00
Jitter Time=0.00, 0.00
uv1=0.00, 0.00
uv2=1.00, 1.00
X Scale Goal=2.50, 2.50
Y Scale Goal=2.50, 2.50
Z Scale Goal=2.50, 2.50
Extrude Length=0.00, 0.00
