[Library Effect]
Lifetime=1
