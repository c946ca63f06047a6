; KFWS_Airdrop: fire-fighting liquid, a wide curtain of spray.
; The module leaves this effect on from the first drop tick to the end of the drop, so
; the emitters run as long as the effect does; when it is switched off, the drops
; already in the air fall on and fade.
[Library Effect]
Lifetime=3600
Version=2.00
Display Name=KFWS Fire-fighting liquid
Priority=0
Radius=80

[Properties]
Cockpit=1
VirtualCockpit=1
Spot=1
Tower=1
Map=0

[Emitter.0]
Lifetime=3600.00, 3600.00
Delay=0.00, 0.00
Bounce=0.00
Rate=60.00, 60.00
X Emitter Velocity=0.00, 0.00
Y Emitter Velocity=0.00, 0.00
Z Emitter Velocity=0.00, 0.00
Drag=0.00, 0.00
X Particle Velocity=-6.00, 6.00
Y Particle Velocity=-12.00, -8.00
Z Particle Velocity=-6.00, -4.00
X Rotation=0.00, 0.00
Y Rotation=0.00, 0.00
Z Rotation=0.00, 0.00
X Offset=-4.00, 4.00
Y Offset=-1.00, -1.00
Z Offset=0.00, 0.00

[Particle.0]
Lifetime=2.50, 3.50
Type=1
X Scale=2.00, 2.00
Y Scale=2.00, 2.00
Z Scale=2.00, 2.00
X Scale Rate=1.50, 1.50
Y Scale Rate=1.50, 1.50
Z Scale Rate=1.50, 1.50
Drag=0.20, 0.20
Color Rate=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=0.00, 0.00
Z Offset=0.00, 0.00
Fade In=0.10, 0.10
Fade Out=1.00, 1.00
Shade=0.00
Face=1

[ParticleAttributes.0]
Blend Mode=1
Texture=fx_KFWS_Spray.bmp
Color Start=220, 235, 255, 200
Color End=255, 255, 255, 0
Jitter Distance=0.20, 0.50
Jitter Time=0.00, 0.00
uv1=0.00, 0.00
uv2=1.00, 1.00
X Scale Goal=6.00, 6.00
Y Scale Goal=6.00, 6.00
Z Scale Goal=6.00, 6.00
Extrude Length=0.00, 0.00

[Emitter.1]
Lifetime=3600.00, 3600.00
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
X Rotation=0.00, 0.00
Y Rotation=0.00, 0.00
Z Rotation=0.00, 0.00
X Offset=-5.00, 5.00
Y Offset=-2.00, -2.00
Z Offset=0.00, 0.00

[Particle.1]
Lifetime=3.00, 4.50
Type=1
X Scale=4.00, 4.00
Y Scale=4.00, 4.00
Z Scale=4.00, 4.00
X Scale Rate=3.00, 3.00
Y Scale Rate=3.00, 3.00
Z Scale Rate=3.00, 3.00
Drag=0.40, 0.40
Color Rate=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=0.00, 0.00
Z Offset=0.00, 0.00
Fade In=0.20, 0.20
Fade Out=2.00, 2.00
Shade=0.00
Face=1

[ParticleAttributes.1]
Blend Mode=1
Texture=fx_KFWS_Spray.bmp
Color Start=235, 240, 255, 90
Color End=255, 255, 255, 0
Jitter Distance=0.50, 1.00
Jitter Time=0.00, 0.00
uv1=0.00, 0.00
uv2=1.00, 1.00
X Scale Goal=12.00, 12.00
Y Scale Goal=12.00, 12.00
Z Scale Goal=12.00, 12.00
Extrude Length=0.00, 0.00
