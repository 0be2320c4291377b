VERSION 5.00
Begin VB.Form frmServer
   Caption         =   "Quake III Arena - Server"
   ClientHeight    =   5490
   ClientWidth     =   4935
   BeginProperty Font
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
   EndProperty
   ScaleHeight     =   5490
   ScaleWidth      =   4935
   Begin VB.Label lblTitle1
      Caption         =   "Your server"
      Height          =   255
      Left            =   120
      Top             =   120
      Width           =   4695
      BeginProperty Font
         Name            =   "Tahoma"
         Size            =   9.75
         Weight          =   700
      EndProperty
      ForeColor       =   &H00800000&
   End
   Begin VB.Label lblRow2
      Caption         =   "Server name:"
      Height          =   255
      Left            =   120
      Top             =   585
      Width           =   1695
   End
   Begin VB.TextBox txtRow3
      Height          =   285
      Left            =   1920
      Top             =   555
      Width           =   2895
      Tag             =   "\cvar\sv_hostname"
      ToolTipText     =   "Name in the server lists"
   End
   Begin VB.Label lblRow4
      Caption         =   "Message:"
      Height          =   255
      Left            =   120
      Top             =   990
      Width           =   1695
   End
   Begin VB.TextBox txtRow5
      Height          =   285
      Left            =   1920
      Top             =   960
      Width           =   2895
      Tag             =   "\cvar\g_motd"
      ToolTipText     =   "Shown to players who join"
   End
   Begin VB.Label lblRow6
      Caption         =   "Game type:"
      Height          =   255
      Left            =   120
      Top             =   1395
      Width           =   1695
   End
   Begin VB.ComboBox cmbRow7
      Height          =   315
      Left            =   1920
      Top             =   1350
      Width           =   2895
      Tag             =   "\cvar\g_gametype"
      ToolTipText     =   "What is played"
   End
   Begin VB.Label lblRow8
      Caption         =   "Player slots:"
      Height          =   255
      Left            =   120
      Top             =   1800
      Width           =   1695
   End
   Begin MSComctlLib.Slider sldRow9
      Height          =   375
      Left            =   1860
      Top             =   1710
      Width           =   2235
      Min             =   1
      Max             =   32
      SmallChange     =   1
      LargeChange     =   4
      TickFrequency   =   4
      Tag             =   "\cvar\sv_maxclients"
      ToolTipText     =   "Players and bots the server takes"
   End
   Begin VB.TextBox txtRow10
      Alignment       =   1  'Right Justify
      Height          =   285
      Left            =   4200
      Top             =   1770
      Width           =   615
      Tag             =   "\cvar\sv_maxclients"
   End
   Begin VB.Label lblRow11
      Caption         =   "Frag limit:"
      Height          =   255
      Left            =   120
      Top             =   2205
      Width           =   1695
   End
   Begin VB.TextBox txtRow12
      Height          =   285
      Left            =   1920
      Top             =   2175
      Width           =   1095
      Tag             =   "\cvar\fraglimit"
      ToolTipText     =   "Frags that end a match, 0 for none"
   End
   Begin VB.Label lblRow13
      Caption         =   "Time limit (min):"
      Height          =   255
      Left            =   120
      Top             =   2610
      Width           =   1695
   End
   Begin VB.TextBox txtRow14
      Height          =   285
      Left            =   1920
      Top             =   2580
      Width           =   1095
      Tag             =   "\cvar\timelimit"
      ToolTipText     =   "Minutes that end a match, 0 for none"
   End
   Begin VB.Label lblRow15
      Caption         =   "Capture limit:"
      Height          =   255
      Left            =   120
      Top             =   3015
      Width           =   1695
   End
   Begin VB.TextBox txtRow16
      Height          =   285
      Left            =   1920
      Top             =   2985
      Width           =   1095
      Tag             =   "\cvar\capturelimit"
      ToolTipText     =   "Captures that end a capture the flag match"
   End
   Begin VB.Label lblRow17
      Caption         =   "Password:"
      Height          =   255
      Left            =   120
      Top             =   3420
      Width           =   1695
   End
   Begin VB.TextBox txtRow18
      Height          =   285
      Left            =   1920
      Top             =   3390
      Width           =   2895
      Tag             =   "\cvar\g_password"
      ToolTipText     =   "Players need it to join; empty for none"
   End
   Begin VB.Label lblRow19
      Caption         =   "Dedicated:"
      Height          =   255
      Left            =   120
      Top             =   3825
      Width           =   1695
   End
   Begin VB.ComboBox cmbRow20
      Height          =   315
      Left            =   1920
      Top             =   3780
      Width           =   2895
      Tag             =   "\cvar\dedicated"
      ToolTipText     =   "Run without playing, for the local network or the Internet"
   End
   Begin VB.CheckBox chkRow21
      Caption         =   "Pure server"
      Height          =   255
      Left            =   120
      Top             =   4185
      Width           =   2295
      Tag             =   "\cvar\sv_pure"
      ToolTipText     =   "Clients use only the server's pk3 files"
   End
   Begin VB.CheckBox chkRow22
      Caption         =   "Friendly fire"
      Height          =   255
      Left            =   2520
      Top             =   4185
      Width           =   2295
      Tag             =   "\cvar\g_friendlyfire"
      ToolTipText     =   "Team mates can hurt each other"
   End
   Begin VB.CheckBox chkRow23
      Caption         =   "Downloads"
      Height          =   255
      Left            =   120
      Top             =   4515
      Width           =   2295
      Tag             =   "\cvar\sv_allowdownload"
      ToolTipText     =   "Clients may download missing files"
   End
   Begin VB.CheckBox chkRow24
      Caption         =   "Voting"
      Height          =   255
      Left            =   2520
      Top             =   4515
      Width           =   2295
      Tag             =   "\cvar\g_allowvote"
      ToolTipText     =   "Players may call votes"
   End
   Begin VB.CommandButton cmdRow25
      Caption         =   "Bots..."
      Height          =   375
      Left            =   2505
      Top             =   4995
      Width           =   1095
      Tag             =   "\action\loadform q3_quake3_bot.frm"
   End
   Begin VB.CommandButton cmdRow26
      Caption         =   "Close"
      Height          =   375
      Left            =   3720
      Top             =   4995
      Width           =   1095
      Tag             =   "\action\hideform"
   End
End
Attribute VB_Name = "frmServer"
